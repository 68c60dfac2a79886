#!/usr/bin/env bash
# The real program under Xvfb with a window manager and real X input:
# "Continue" starts a game, the window keeps answering, a close during the
# game is refused, the second close ends the program with status 0, and the
# top-players file appears in the program's current directory.
set -euo pipefail
vorn=$(realpath "$1")
source "$(dirname "$0")/x_session.sh"

start_x_session
workdir=$(mktemp -d)
trap 'stop_x_session; rm -rf "$workdir"' EXIT

cd "$workdir"
run_vorn &
vorn_pid=$!
window=$(find_window "Vorn v2.00")
read -r width height < <(client_size "$window")
expect_equal "window width" 448 "$width"
# The client area is 450 pixels below the menu bar.
(( height > 450 && height < 500 )) || fail "window height $height is not 450 plus a menu bar"

click_client "$window" 112 200   # "Continue"
sleep 0.5
click_client "$window" 20 300    # steer the falling piece to column 1
expect_alive "$window"

wmctrl -c "Vorn v2.00"
sleep 1
kill -0 "$vorn_pid" 2>/dev/null || fail "a close during a game ended the program"
find_window "Vorn v2.00" >/dev/null

wmctrl -c "Vorn v2.00"
expect_exit "$vorn_pid" 0
[ -f "$workdir/Vorn.nrz" ] || fail "no Vorn.nrz in the program's current directory"
echo "e2e window: passed"
