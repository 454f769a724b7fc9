# SPDX-License-Identifier: GPL-2.0-or-later
# `make package`: a Debian package of everything `cmake --install` puts in place. Its
# dependencies are read from the binaries by dpkg-shlibdeps; the Qt plugins a program loads
# at run time are not seen there and are named by hand.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velk)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Morvane Velkins contributors")
set(CPACK_PACKAGE_CONTACT "The Morvane Velkins contributors <velk@morvane.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "animal quiz game for children")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "A game is a handful of questions about real animals, each with a picture: guess the
animal's name letter by letter before the dragon is complete, drag four names onto four
pictures, pick the right description of a pictured animal, or click the odd one out.
Parents choose the number of questions, the difficulty and the kinds of question, and can
edit the animal database.
.
Also holds trivia, a small library of quiz controls, with its container trivia-host.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://morvane.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window system plugin and the SQLite driver of the history; the JPEG reader comes with
# libqt6gui6.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6sql6-sqlite")
# Opens the help in the desktop's text viewer; without it the game shows the help itself.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
