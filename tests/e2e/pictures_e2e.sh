#!/usr/bin/env bash
# The real window under Xvfb shows the pictures built into it: the board
# picture inside the board's border and the title picture at the top of the
# side panel, pixel for pixel, and a 32 x 32 window icon. The window is
# captured with tools/screenshot.sh.
set -euo pipefail
vorn=$(realpath "$1")
art=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x_session.sh"

workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT
shot="$workdir/ready.png"
icons="$workdir/icons.txt"
# The icon is read while the window is up: screenshot.sh sources these steps.
echo "xprop -id \"\$window\" _NET_WM_ICON > '$icons'" > "$workdir/steps.sh"
VORN="$vorn" bash "$here/../../tools/screenshot.sh" "$shot" "$workdir/steps.sh" >/dev/null

read -r width height < <(identify -format '%w %h\n' "$shot")
expect_equal "screenshot width" 448 "$width"
# The client area lies below the menu bar.
client_left=0
client_top=$((height - 450))

# The board's inner area starts inside its 2-pixel border; "Continue" covers
# rows 182 to 215 of it.
expect_same "board above Continue" 224x180 2 2 board.png 0 0
expect_same "board below Continue" 224x227 2 222 board.png 0 220
# The title's right 4 pixels lie outside the client area.
expect_same "title" 196x65 252 2 title.png 0 0

grep -q "Icon (32 x 32)" "$icons" || fail "the window has no 32 x 32 icon"
echo "e2e pictures: passed"
