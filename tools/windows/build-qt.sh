#!/usr/bin/env bash
# Builds Qt's base module for 64-bit Windows from Debian's own qt6-base source
# package with Debian's MinGW-w64 (tools/cross-build-qt.sh), and prints the
# folder it is installed in:
#   tools/windows/build-qt.sh CACHE
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cache=${1:?usage: $0 CACHE}
qt_for=Windows
qt_name=qt
qt_tools=(x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-windres)
qt_packages=packages-windows.txt
qt_minutes="about 20 minutes on two cores"
toolchain=$here/mingw-w64-x86_64.cmake

# Core, Gui, Widgets, Test, the windows and offscreen platform plug-ins and
# the modern Windows style (tools/cross-qt-options.sh has what is left out).
# OpenGL stays on: the windows plug-in does not build without it, and it is
# loaded only when asked for. So does Direct2D: Qt 6.8.2's DirectWrite font
# code does not build without it; its platform plug-in is built but not
# shipped. Debian's source leaves out Wacom's tablet header (its licence
# forbids changes), so the windows plug-in is built without tablet events; a
# pen still moves the pointer and clicks.
source "$here/../cross-qt-options.sh"
qt_options=(
  -DCMAKE_BUILD_TYPE=Release
  -DBUILD_SHARED_LIBS=ON
  "${qt_build_options[@]}"
  "${qt_modules_off[@]}"
  -DFEATURE_tabletevent=OFF
  "${qt_bundled_libraries[@]}"
)

source "$here/../cross-build-qt.sh"
