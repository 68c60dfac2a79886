# `make package` (cpack) builds the Debian package vorn_1.00-1_amd64.deb from
# the install rules of desktop/CMakeLists.txt.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorn)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "the Vorn team")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# The package holds the program only: cpack need not build the tests and
# tools first (`make package` builds the program before it runs cpack).
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "the Vorn team")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "puzzle game: steer falling letter blocks, clear lines of three
VORN is a puzzle game for one player, played with the mouse. Pieces of one
to three toy letter blocks fall into a board of seven columns by fourteen
rows; three cells of one colour in a line, across, down or on a diagonal,
clear and pay cash. A joker and five special blocks change the board where
they land, the pace rises with the cash, and the five best results are kept
in the file Vorn.nrz of the directory the game is started from.")

# The libraries come from dpkg-shlibdeps. It cannot see what the game looks
# up by name: the font that stands in for "Comic Sans MS". The sound needs no
# more: Qt 6.4 plays it through the PulseAudio output inside libQt6Multimedia,
# and its media plug-ins lie in the same package, libqt6multimedia6, which
# dpkg-shlibdeps finds through the library.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-comic-neue)
# Qt's Wayland platform plug-in, so that the game runs natively on a Wayland desktop.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)

include(CPack)
