# SPDX-License-Identifier: GPL-2.0-or-later
# Copies the delivered data into the program folder. The two files the program itself
# rewrites (settings and animals) are only replaced when the delivered copy is newer, so a
# rebuild never throws away what a player saved.
file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/*)
foreach(f IN LISTS files)
    if(f MATCHES "README\\.md$")
        continue()
    endif()
    get_filename_component(dir ${DST}/${f} DIRECTORY)
    if(f STREQUAL "velk.INI" OR f STREQUAL "velk.dat")
        if(EXISTS ${DST}/${f} AND NOT ${SRC}/${f} IS_NEWER_THAN ${DST}/${f})
            continue()
        endif()
    endif()
    file(COPY ${SRC}/${f} DESTINATION ${dir})
endforeach()
