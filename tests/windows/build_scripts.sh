#!/usr/bin/env bash
# The Windows build's scripts where two runs meet or one was cut short:
#   build_scripts.sh BUILD-TREE
# - build-qt.sh started while another build holds the Qt cache waits for it,
#   then takes the Qt that build made instead of building its own; and gives
#   up with a clear message when the other build holds the cache too long;
# - package.sh makes a whole new zip where an interrupted run left a
#   .partial one, and leaves no .partial behind;
# - make-ico.sh leaves no .partial behind when it fails.
set -euo pipefail
tree=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
source "$repo/tools/windows/cache.sh"
source "$here/../e2e/x_session.sh"

work=$(mktemp -d)
holder=
trap '[ -z "$holder" ] || kill "$holder" 2>/dev/null; rm -rf "$work"' EXIT

qt=$("$repo/tools/windows/build-qt.sh" "$windows_cache")
cache=$work/cache
prefix=$cache/$(basename "$qt")
mkdir -p "$cache"

# Another build holds the cache until $work/release appears.
hold_cache() {
  rm -f "$work/release" "$work/held"
  (
    exec 9>"$cache/.qt-lock"
    flock 9
    touch "$work/held"
    while [ ! -e "$work/release" ]; do sleep 0.05; done
  ) &
  holder=$!
  for _ in $(seq 100); do [ -e "$work/held" ] && return 0; sleep 0.05; done
  fail "the stand-in build did not take the lock"
}

wait_for_text() {
  for _ in $(seq 200); do grep -q "$2" "$1" 2>/dev/null && return 0; sleep 0.05; done
  fail "no '$2' in $(cat "$1")"
}

# Two builds at once: the second waits, then finds the first one's Qt.
hold_cache
"$repo/tools/windows/build-qt.sh" "$cache" >"$work/out" 2>"$work/err" &
second=$!
wait_for_text "$work/err" "waiting for it to end"
mkdir -p "$prefix/lib/cmake/Qt6"
touch "$prefix/lib/cmake/Qt6/Qt6Config.cmake"
touch "$work/release"
wait "$holder"
holder=
wait "$second" || fail "the waiting build failed: $(cat "$work/err")"
expect_equal "the Qt the waiting build took" "$prefix" "$(cat "$work/out")"
grep -q fetching "$work/err" && fail "the waiting build built Qt again: $(cat "$work/err")"
rm -rf "$prefix"

# A cache held past the wait's limit: a clear message and a failure, at once.
hold_cache
status=0
VORN_WINDOWS_LOCK_WAIT=1 "$repo/tools/windows/build-qt.sh" "$cache" >"$work/out" 2>"$work/err" || status=$?
touch "$work/release"
wait "$holder"
holder=
expect_equal "the status of a build that waited too long" 1 "$status"
grep -q "still held" "$work/err" || fail "no clear message: $(cat "$work/err")"
[ ! -e "$prefix" ] || fail "a build that never had the lock left $prefix"

# A leftover .partial zip with an entry of its own.
output=$work/packages
mkdir -p "$output/stale"
echo stale >"$output/stale/entry.txt"
name=vorn-$(sed -n 's/^project(Vorn VERSION \([0-9.]*\).*/\1/p' "$repo/CMakeLists.txt")-windows-x64
(cd "$output" && zip -q "$name.zip.partial" stale/entry.txt)
SOURCE_DATE_EPOCH=0 "$repo/tools/windows/package.sh" "$tree" "$qt" "$output" >/dev/null
entries=$(cd "$output" && cmake -E tar tf "$name.zip")
grep -q stale <<<"$entries" && fail "the zip kept what an interrupted run left in its .partial"
expect_equal "what is left beside the packages" "" "$(find "$output" -maxdepth 1 -name '*.partial')"

# make-ico.sh on a picture that is not a PNG.
echo "not a picture" >"$work/bad.png"
bash "$repo/tools/windows/make-ico.sh" "$work/icon.ico" "$work/bad.png" 2>/dev/null && fail "make-ico took a picture that is not a PNG"
[ ! -e "$work/icon.ico.partial" ] || fail "make-ico left its .partial behind"
[ ! -e "$work/icon.ico" ] || fail "make-ico wrote an icon from a picture that is not a PNG"
echo "build scripts: passed"
