#!/usr/bin/env bash
# Starts the real program under Xvfb with a window manager, presses
# "Continue" with real X input, checks the window still answers, closes it
# through the window manager and expects a clean exit.
set -euo pipefail
vorn=$(realpath "$1")
source "$(dirname "$0")/x_session.sh"

start_x_session
workdir=$(mktemp -d)
trap 'stop_x_session; rm -rf "$workdir"' EXIT

cd "$workdir"
"$vorn" &
vorn_pid=$!
window=$(find_window "Vorn v2.00")
read -r width height < <(client_size "$window")
expect_equal "window width" 448 "$width"
# The client area is 450 pixels below the menu bar.
(( height > 450 && height < 500 )) || fail "window height $height is not 450 plus a menu bar"

click_client "$window" 112 200   # "Continue"
expect_alive "$window"

wmctrl -c "Vorn v2.00"
expect_exit "$vorn_pid" 0
echo "e2e window: passed"
