#!/usr/bin/env bash
# Builds the game for 64-bit Windows and its two packages, on Debian 13:
#   tools/windows/build.sh [--tests]
# Qt comes from build-qt.sh (built once, then taken from the cache); the game
# (and with --tests its test suite) is cross-built into build-windows/, and
# package.sh leaves the portable zip and the installer in build/.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
tree=$repo/build-windows

fail() { echo "windows: $*" >&2; exit 1; }
source "$here/../cross-build-game.sh"
cmake -S "$repo" -B "$tree" -G Ninja -Wno-dev \
  -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_PREFIX_PATH="$qt" -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DVORN_BUILD_TESTS=ON -DCMAKE_CROSSCOMPILING_EMULATOR=wine >"$repo/build-windows.configure.log" 2>&1 ||
  { cat "$repo/build-windows.configure.log" >&2; fail "configuring the Windows build failed (CMake's messages are above)"; }
rm -f "$repo/build-windows.configure.log"
game_start=$SECONDS
cmake --build "$tree" --parallel "$(nproc)" "${targets[@]}" ||
  fail "building the game for Windows failed (the compiler's messages are above)"
echo "windows: built in $((SECONDS - game_start)) s"
"$here/package.sh" "$tree" "$qt" "$repo/build" || exit 1
echo "windows: done in $(((SECONDS - start) / 60)) min $(((SECONDS - start) % 60)) s"
