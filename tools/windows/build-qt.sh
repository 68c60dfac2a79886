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

# Only what the game and its tests use: Core, Gui, Widgets, Test, the windows
# and offscreen platform plug-ins and the modern Windows style. OpenGL stays
# on: the windows plug-in does not build without it, and it is loaded only
# when asked for. So does Direct2D: Qt 6.8.2's DirectWrite font code does not
# build without it; its platform plug-in is built but not shipped. Qt's bundled zlib, PCRE2, HarfBuzz, FreeType and libpng
# stand in for the system's, which a Windows system does not have. Debian's
# source leaves out Wacom's tablet header (its licence forbids changes), so
# the windows plug-in is built without tablet events; a pen still moves the
# pointer and clicks.
qt_options=(
  -DCMAKE_BUILD_TYPE=Release
  -DBUILD_SHARED_LIBS=ON
  -DQT_UNITY_BUILD=ON
  -DQT_BUILD_EXAMPLES=OFF
  -DQT_BUILD_TESTS=OFF
  -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_sql=OFF
  -DFEATURE_network=OFF
  -DFEATURE_dbus=OFF
  -DFEATURE_printsupport=OFF
  -DFEATURE_concurrent=OFF
  -DFEATURE_xml=OFF
  -DFEATURE_vulkan=OFF
  -DFEATURE_icu=OFF
  -DFEATURE_glib=OFF
  -DFEATURE_fontconfig=OFF
  -DFEATURE_gif=OFF
  -DFEATURE_ico=OFF
  -DFEATURE_jpeg=OFF
  -DFEATURE_tabletevent=OFF
  -DFEATURE_system_zlib=OFF
  -DFEATURE_system_pcre2=OFF
  -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_freetype=OFF
  -DFEATURE_system_png=OFF
)

source "$here/../cross-build-qt.sh"
