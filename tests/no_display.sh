#!/usr/bin/env bash
# The real program started where there is no display: one line on standard
# error that says so, nothing on standard output, status 1 and no core dump.
#   no_display.sh VORN
set -euo pipefail
vorn=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "no display: $*" >&2; exit 1; }

cd "$work"
status=0
timeout 30 env -u DISPLAY -u WAYLAND_DISPLAY -u WAYLAND_SOCKET -u QT_QPA_PLATFORM \
  "$vorn" > out.txt 2> err.txt || status=$?
[ "$status" -eq 1 ] || fail "exit status $status, not 1; standard error: $(cat err.txt)"
[ ! -s out.txt ] || fail "standard output is not empty: $(cat out.txt)"
[ "$(wc -l < err.txt)" -eq 1 ] || fail "standard error is not one line: $(cat err.txt)"
grep -q "no display" err.txt || fail "standard error does not say there is no display: $(cat err.txt)"
echo "no display: $(cat err.txt)"
