# SPDX-License-Identifier: GPL-2.0-or-later
# Writes the `copyright` file every package carries in /usr/share/doc/<package>/, in the
# machine-readable format: one paragraph for the code and one for each set of art the
# pictures are drawn from, then the licences' texts.
# usage: cmake -DSRC=<source folder> -DOUT=<folder> -DCONTACT=... -DHOMEPAGE=... -P packagedocs.cmake
cmake_minimum_required(VERSION 3.25)
# A tab-separated line as a list (no field of these files holds a semicolon).
macro(fields line var)
    string(REPLACE "\t" ";" ${var} "${line}")
endmacro()

# The set a picture is drawn from: SET:NAME, or a bare name for an emoji.
file(STRINGS ${SRC}/tools/pictures.tsv rows REGEX "^[^#]")
foreach(row IN LISTS rows)
    fields("${row}" f)
    list(GET f 0 picture)
    list(GET f 1 art)
    set(set emoji)
    if(art MATCHES "^([^:]+):")
        set(set ${CMAKE_MATCH_1})
    endif()
    list(APPEND files_${set} data/pictures/${picture})
endforeach()

set(CPACK_PACKAGE_CONTACT ${CONTACT})
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${HOMEPAGE})
configure_file(${SRC}/packaging/copyright.in ${OUT}/copyright.new @ONLY)
file(STRINGS ${SRC}/packaging/artsets.tsv sets REGEX "^[^#]")
set(named)
set(licences)
foreach(row IN LISTS sets)
    fields("${row}" f)
    list(GET f 0 set)
    list(GET f 1 title)
    list(GET f 2 holder)
    list(GET f 3 licence)
    list(APPEND named ${set})
    list(APPEND licences ${licence})
    list(GET f 4 files)
    string(REPLACE " " ";" files "${files}")
    list(APPEND files ${files_${set}})
    if(NOT files)
        message(FATAL_ERROR "packaging/artsets.tsv: no file is drawn from ${title}")
    endif()
    list(JOIN files "\n " files)
    file(APPEND ${OUT}/copyright.new "\nFiles: ${files}\nCopyright: ${holder}\n"
        "License: ${licence}\nComment: ${title}, as data/ART-LICENSE.txt tells.\n")
endforeach()
# A picture of a set nobody named would go out under the code's licence.
foreach(row IN LISTS rows)
    fields("${row}" f)
    list(GET f 1 art)
    if(art MATCHES "^([^:]+):" AND NOT CMAKE_MATCH_1 IN_LIST named)
        message(FATAL_ERROR "tools/pictures.tsv: the art set ${CMAKE_MATCH_1} is missing from "
                            "packaging/artsets.tsv, so the copyright file cannot name its licence")
    endif()
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
