# SPDX-License-Identifier: GPL-2.0-or-later
# `make package`: one Debian package per CMake install component, split by who needs it.
#   velk    the game and its data, for families: no web engine
#   trivia  the control library and trivia-host, for developers of quiz games: the web engine
# Every install() rule below game/ and desktop/ lands in velk, every one below controls/ in
# trivia (CMAKE_INSTALL_DEFAULT_COMPONENT_NAME), so new files follow without a change here.
# Linked libraries reach Depends through dpkg-shlibdeps; what is loaded is listed below.
set(velk_packages)
if(VELK_BUILD_GAME)
    list(APPEND velk_packages velk)
endif()
if(VELK_BUILD_CONTROLS)
    list(APPEND velk_packages trivia)
endif()

# Plugins each package loads at run time without linking them, so dpkg-shlibdeps cannot
# see them. Add a line here when a feature starts loading one.
set(velk_loaded_velk
    qt6-qpa-plugins           # the window system (xcb, wayland); JPEG comes with libqt6gui6
    qt6-speech-speechd-plugin # reading aloud through speech-dispatcher
    libqt6sql6-sqlite         # the players' history: Qt SQL's QSQLITE driver
    # Sounds: Qt Multimedia's backends ship inside libqt6multimedia6, which is linked; Ogg
    # played by QMediaPlayer on the GStreamer backend needs GStreamer's decoders too:
    # gstreamer1.0-plugins-base
)
set(velk_loaded_trivia
    qt6-qpa-plugins # the window system
)
# Wanted, not needed: the help opens in the desktop's viewer, else in a window of the game;
# without a speech server reading aloud stays silent.
set(velk_recommends_velk
    xdg-utils
    speech-dispatcher
    qt6-translations-l10n     # Qt's own words (dialog buttons) in the player's language
)

# The changelog's newest entry is this version, or lintian and apt tell two stories.
file(STRINGS ${CMAKE_SOURCE_DIR}/packaging/changelog newest LIMIT_COUNT 1)
if(NOT newest MATCHES "^velk \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "packaging/changelog starts with \"${newest}\": add an entry for "
                        "version ${PROJECT_VERSION} on top")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velk)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Morvane Velkins contributors")
set(CPACK_PACKAGE_CONTACT "The Morvane Velkins contributors <velk@morvane.example>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://morvane.example/")
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL ${velk_packages})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SOURCE velk)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_VELK_PACKAGE_NAME velk)
set(CPACK_DEBIAN_VELK_PACKAGE_SECTION education) # "games" would want it in /usr/games
set(CPACK_DEBIAN_VELK_DESCRIPTION "animal quiz game for children
A game is a handful of questions about real animals, each with a picture:
guess the animal's name letter by letter before the dragon is complete, drag
four names onto four pictures, pick the right description of a pictured
animal, or click the odd one out. Parents choose the number of questions, the
difficulty and the kinds of question, and can edit the animal database.")
set(CPACK_DEBIAN_TRIVIA_PACKAGE_NAME trivia)
set(CPACK_DEBIAN_TRIVIA_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_TRIVIA_DESCRIPTION "library of quiz controls, with a container to try them
trivia is a small library of two quiz controls for games like Morvane Velkins:
a list to sort into order, and a file box that shows a picture or a web page.
The controls register themselves in a per-user registry; trivia-host loads,
shows, edits and saves them.")
foreach(package IN LISTS velk_packages)
    string(TOUPPER ${package} PACKAGE)
    list(JOIN velk_loaded_${package} ", " CPACK_DEBIAN_${PACKAGE}_PACKAGE_DEPENDS)
    list(JOIN velk_recommends_${package} ", " CPACK_DEBIAN_${PACKAGE}_PACKAGE_RECOMMENDS)
endforeach()

# /usr/share/doc/<package>/: copyright (the code's licence and each art set's) and changelog;
# and the programs' manual pages.
set(docs ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${docs})
file(GLOB licences CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/packaging/licenses/*)
add_custom_command(OUTPUT ${docs}/copyright
    COMMAND ${CMAKE_COMMAND} -DSRC=${CMAKE_SOURCE_DIR} -DOUT=${docs}
            "-DCONTACT=${CPACK_PACKAGE_CONTACT}" -DHOMEPAGE=${CPACK_DEBIAN_PACKAGE_HOMEPAGE}
            -P ${CMAKE_SOURCE_DIR}/cmake/packagedocs.cmake
    DEPENDS ${CMAKE_SOURCE_DIR}/cmake/packagedocs.cmake ${CMAKE_SOURCE_DIR}/packaging/copyright.in
            ${CMAKE_SOURCE_DIR}/packaging/artsets.tsv ${licences}
    COMMENT "Writing the packages' copyright file" VERBATIM)
# Compressed without name or time stamp inside (-n), so the same text always packs the same.
set(packed)
foreach(file changelog velk.6 trivia-host.1)
    add_custom_command(OUTPUT ${docs}/${file}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/packaging/${file} ${docs}/${file}
        COMMAND gzip -9nf ${docs}/${file}
        DEPENDS ${CMAKE_SOURCE_DIR}/packaging/${file} VERBATIM)
    list(APPEND packed ${docs}/${file}.gz)
endforeach()
add_custom_target(package_docs ALL DEPENDS ${docs}/copyright ${packed})
foreach(package IN LISTS velk_packages)
    install(FILES ${docs}/copyright ${docs}/changelog.gz
            DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${package})
endforeach()
if(VELK_BUILD_GAME)
    install(FILES ${docs}/velk.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6 COMPONENT velk)
endif()
if(VELK_BUILD_CONTROLS)
    install(FILES ${docs}/trivia-host.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
            COMPONENT trivia)
endif()
include(CPack)
