#!/usr/bin/env bash
# Builds the game for the browser, on Debian 13:
#   tools/web/build.sh [--tests]
# Qt comes from build-qt.sh (built once, then taken from the cache); the game
# (and with --tests the suites that run in Node.js) is cross-built with
# Emscripten into build-web/, and site.sh leaves the site in build/web/ and
# its zip in build/.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
source "$here/emsdk.sh"
tree=$repo/build-web

fail() { echo "web: $*" >&2; exit 1; }
source "$here/../cross-build-game.sh"
mkdir -p "$tree"
web_emsdk "$tree/emsdk"
"$qt/bin/qt-cmake" -S "$repo" -B "$tree" -G Ninja -Wno-dev -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_PREFIX_PATH="$qt" -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DQT_SKIP_AUTO_PLUGIN_INCLUSION=OFF -DVORN_BUILD_TESTS=ON >"$tree/configure.log" 2>&1 ||
  { cat "$tree/configure.log" >&2; fail "configuring the browser build failed (CMake's messages are above)"; }
game_start=$SECONDS
cmake --build "$tree" --parallel "$(nproc)" "${targets[@]}" ||
  fail "building the game for the browser failed (the compiler's messages are above)"
echo "web: built in $((SECONDS - game_start)) s"
"$here/site.sh" "$tree" "$repo/build" || exit 1
echo "web: done in $(((SECONDS - start) / 60)) min $(((SECONDS - start) % 60)) s"
