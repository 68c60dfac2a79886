#!/usr/bin/env bash
# The Windows program's tests under Wine, on Debian 13 (make test-windows):
#   tools/windows/test.sh
# Builds what is missing first (build.sh). Then CTest runs the cross-built
# suite of build-windows/ in a Wine prefix made for the run in a temporary
# folder and removed after (Wine's Mono and Gecko are never asked for): the
# unit tests with Wine as the emulator, finding Qt and the MinGW runtime
# through WINEPATH, and the end-to-end, sound and installer tests, which run
# the packages of build/ as a player gets them.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
source "$here/cache.sh"

fail() { echo "windows tests: $*" >&2; exit 1; }
for tool in wine wineboot wineserver winepath Xvfb openbox xdotool parecord; do
  command -v "$tool" >/dev/null || fail "$tool is missing (tools/packages-windows-test.txt lists what the Windows tests need)"
done

"$here/build.sh" --tests
qt=$("$here/build-qt.sh" "$windows_cache")

work=$(mktemp -d)
# The run's own prefix before any trap can end its server: never the user's.
export WINEPREFIX=$work/prefix
cleanup() {
  local status=$?
  trap - EXIT INT TERM
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT
trap 'echo "windows tests: interrupted" >&2; exit 130' INT TERM

# No Mono, no Gecko, and no menu entries of Linux's desktop for the
# installer's Start menu entry.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEPATH="Z:$qt/bin;Z:$(echo /usr/lib/gcc/x86_64-w64-mingw32/*-posix);Z:/usr/x86_64-w64-mingw32/lib"
# Wine hands its programs Linux's QT_X variables only as WINEQT_X.
export WINEQT_PLUGIN_PATH="Z:$qt/plugins"
start=$SECONDS
# One server for the whole run, rather than one started for each test.
mkdir "$WINEPREFIX"

# No display yet: the prefix is made without a window.
env -u DISPLAY wineboot --init >"$work/wineboot.log" 2>&1 || { cat "$work/wineboot.log" >&2; fail "Wine could not make its prefix"; }
echo "windows tests: Wine prefix made in $((SECONDS - start)) s"

cd "$repo/build-windows"
status=0
ctest --output-on-failure -j "$(nproc)" --output-junit ctest-results.xml || status=$?
bash "$repo/tests/audio/real_audio_summary.sh" . ctest-results.xml
exit "$status"
