#!/usr/bin/env bash
# The real program started where no display answers: none set, an X display
# with no server, one that refuses the connection (a server that wants a
# cookie the program lacks, as a stale ssh forwarding does), a TCP display
# where nothing listens, a Wayland socket that is gone, and both at once.
# Each time: one line on standard error that names the display, nothing on
# standard output, status 1 and no core dump.
#   no_display.sh VORN
set -euo pipefail
vorn=$(realpath "$1")
work=$(mktemp -d)
xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "no display: $*" >&2; exit 1; }

# A display number that no server uses, and one whose server lets in only
# those who hold its cookie.
free_display() {
  local n
  for n in $(seq 500 599); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { echo "$n"; return; }
  done
  fail "no free display number"
}
gone=$(free_display)
echo "add :0 . $(head -c 16 /dev/urandom | od -An -tx1 | tr -d ' \n')" | xauth -q -f "$work/cookie" 2>/dev/null
mkfifo "$work/displayfd"
Xvfb -displayfd 3 -auth "$work/cookie" -nolisten tcp 3>"$work/displayfd" >/dev/null 2>&1 &
xvfb_pid=$!
read -r -t 20 locked <"$work/displayfd" || fail "Xvfb did not start"

# Runs the program with only the variables given; expects the refusal,
# naming $1.
expect_refused() {
  local named=$1 status=0
  shift
  (cd "$work" && timeout 30 env -i HOME="$work" PATH="$PATH" XAUTHORITY="$work/none" "$@" "$vorn" \
     > "$work/out.txt" 2> "$work/err.txt") || status=$?
  local err
  err=$(cat "$work/err.txt")
  [ "$status" -eq 1 ] || fail "$named: exit status $status, not 1; standard error: $err"
  [ ! -s "$work/out.txt" ] || fail "$named: standard output is not empty: $(cat "$work/out.txt")"
  [ "$(wc -l < "$work/err.txt")" -eq 1 ] || fail "$named: standard error is not one line: $err"
  grep -q "no display" <<<"$err" || fail "$named: standard error does not say there is no display: $err"
  grep -qF -- "$named" <<<"$err" || fail "standard error does not name $named: $err"
  echo "no display ($named): $err"
}

expect_refused "neither DISPLAY nor WAYLAND_DISPLAY"
expect_refused "DISPLAY=:$gone" DISPLAY=":$gone"
expect_refused "DISPLAY=:$locked" DISPLAY=":$locked"
expect_refused "DISPLAY=localhost:$gone" DISPLAY="localhost:$gone"
expect_refused "WAYLAND_DISPLAY=vorn-gone" XDG_RUNTIME_DIR="$work" WAYLAND_DISPLAY=vorn-gone
expect_refused "WAYLAND_DISPLAY=vorn-gone" XDG_RUNTIME_DIR="$work" WAYLAND_DISPLAY=vorn-gone DISPLAY=":$gone"
