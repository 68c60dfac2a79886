#!/usr/bin/env bash
# Builds Qt's base module for WebAssembly from Debian's own qt6-base source
# package with Debian's Emscripten (tools/cross-build-qt.sh), and prints the
# folder it is installed in:
#   tools/web/build-qt.sh CACHE
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cache=${1:?usage: $0 CACHE}
qt_for=WebAssembly
qt_name=qt-wasm
qt_tools=(emcc em++ node)
qt_packages=packages-web.txt
qt_minutes="about 25 minutes on two cores"
toolchain=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake

# Only what the game and its tests use, as for Windows: Core, Gui, Widgets,
# Test and the wasm platform plug-in, linked statically into the program.
# Without threads, which a page gets only from a server that isolates it
# (cross-origin headers); the game has one thread. Qt's bundled libraries
# stand in for the system's.
qt_options=(
  -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten
  -DCMAKE_BUILD_TYPE=Release
  -DBUILD_SHARED_LIBS=OFF
  -DQT_UNITY_BUILD=ON
  -DQT_BUILD_EXAMPLES=OFF
  -DQT_BUILD_TESTS=OFF
  -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_thread=OFF
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
  -DFEATURE_system_zlib=OFF
  -DFEATURE_system_pcre2=OFF
  -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_freetype=OFF
  -DFEATURE_system_png=OFF
)

source "$here/emsdk.sh"
qt_prepare() { web_emsdk "$1/emsdk"; }

source "$here/../cross-build-qt.sh"
