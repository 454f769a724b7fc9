# SPDX-License-Identifier: GPL-2.0-or-later
# Writes the `copyright` file every package carries in /usr/share/doc/<package>/, in the
# machine-readable format: one paragraph for the code and one for each set of art and sound
# (packaging/artsets.tsv), then the licences' texts.
# usage: cmake -DSRC=<source folder> -DOUT=<folder> -DCONTACT=... -DHOMEPAGE=... -P packagedocs.cmake
cmake_minimum_required(VERSION 3.25)
# A tab-separated line as a list (no field of these files holds a semicolon).
macro(fields line var)
    string(REPLACE "\t" ";" ${var} "${line}")
endmacro()

set(CPACK_PACKAGE_CONTACT ${CONTACT})
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${HOMEPAGE})
configure_file(${SRC}/packaging/copyright.in ${OUT}/copyright.new @ONLY)
file(STRINGS ${SRC}/packaging/artsets.tsv sets REGEX "^[^#]")
set(licences)
foreach(row IN LISTS sets)
    fields("${row}" f)
    list(GET f 0 set)
    list(GET f 1 title)
    list(GET f 2 holder)
    list(GET f 3 licence)
    list(APPEND licences ${licence})
    list(GET f 4 files)
    string(REPLACE " " ";" files "${files}")
    if(NOT files)
        message(FATAL_ERROR "packaging/artsets.tsv: ${title} names no file")
    endif()
    list(JOIN files "\n " files)
    file(APPEND ${OUT}/copyright.new "\nFiles: ${files}\nCopyright: ${holder}\n"
        "License: ${licence}\nComment: ${title}, as data/ART-LICENSE.txt tells.\n")
endforeach()
# The licences' texts, each line indented, an empty one written as a dot.
list(APPEND licences GPL-2+)
list(REMOVE_DUPLICATES licences)
foreach(licence IN LISTS licences)
    file(READ ${SRC}/packaging/licenses/${licence} text)
    string(REGEX REPLACE "\n+$" "" text "${text}")
    string(REGEX REPLACE "\n(\n|$)" "\n.\\1" text "${text}")
    string(REPLACE "\n" "\n " text "${text}")
    file(APPEND ${OUT}/copyright.new "\nLicense: ${licence}\n ${text}\n")
endforeach()
file(RENAME ${OUT}/copyright.new ${OUT}/copyright)
