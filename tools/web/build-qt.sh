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
qt_minutes="about 7 minutes on two cores"
toolchain=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake

# Core, Gui, Widgets, Test and the wasm platform plug-in, linked statically
# into the program (tools/cross-qt-options.sh has what is left out). Without
# threads, which a page gets only from a server that isolates it
# (cross-origin headers); the game has one thread.
source "$here/../cross-qt-options.sh"
qt_options=(
  -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten
  -DCMAKE_BUILD_TYPE=Release
  -DBUILD_SHARED_LIBS=OFF
  "${qt_build_options[@]}"
  -DFEATURE_thread=OFF
  "${qt_modules_off[@]}"
  "${qt_bundled_libraries[@]}"
)

source "$here/emsdk.sh"
qt_prepare() { web_emsdk "$1/emsdk"; }

source "$here/../cross-build-qt.sh"
