#!/usr/bin/env bash
# The real program as a native Wayland client of Weston's headless back end:
# it asks for a fixed size of 448 x 469 (a 450-pixel client area below a menu
# bar), and a screenshot of the output shows its window: the board's
# turquoise band, the board and the title picture pixel for pixel, "Continue"
# over the board and the menu bar's labels, with the client area measured at
# 448 x 450.
set -euo pipefail
vorn=$(realpath "$1")
art=$(realpath "$2")
source "$(dirname "$0")/wayland_session.sh"

workdir=$(mktemp -d)
cleanup() {
  if [ -n "${vorn_pid:-}" ]; then
    kill "$vorn_pid" 2>/dev/null || true
    wait "$vorn_pid" 2>/dev/null || true
  fi
  stop_wayland_session
  rm -rf "$workdir"
}
trap cleanup EXIT
trap 'exit 143' TERM INT HUP

start_wayland_session
cd "$workdir"
"$vorn" &
vorn_pid=$!
wait_for_window "Vorn v2.00" "$vorn_pid"

# A fixed size is a minimum equal to the maximum; the menu bar is the 19 rows
# above the client area.
expect_equal "minimum size" "448, 469" "$(logged_request set_min_size)"
expect_equal "maximum size" "448, 469" "$(logged_request set_max_size)"

shot="$workdir/shot.png"
capture_settled take_screenshot "$shot"

# The geometry (WxH+X+Y) of what is not black in the screenshot once the
# operators given have run. ImageMagick 7's convert prints a line "list" before
# it whenever -fx is among them, so only the geometry's line is taken.
bounding_box() {
  convert "$shot" "$@" -format '%@' info: | grep -xE '[0-9]+x[0-9]+\+[0-9]+\+[0-9]+' || true
}

# The turquoise band is the top of the board's picture, inside the board's
# 2-pixel border at the client area's top left corner.
band=$(bounding_box -fx 'r < 0.45 && g > 0.6 && b > 0.6')
expect_equal "turquoise band's size" 224x130 "${band%%+*}"
IFS=+ read -r _ band_left band_top <<<"$band"
client_left=$((band_left - 2))
client_top=$((band_top - 2))

expect_same "board above Continue" 224x180 2 2 board.png 0 0
expect_same "title" 196x65 252 2 title.png 0 0
# The title picture's right 4 pixels would show if the client area were wider.
(( $(pixels_differing 1x65 448 2 title.png 196 0) > 0 )) || fail "the client area is wider than 448"

# The pale yellow strip right of the board runs down to the client area's bottom.
strip=$(bounding_box -fill black +opaque '#FFFFC0')
IFS=x+ read -r _ strip_height _ strip_top <<<"$strip"
expect_equal "client area's height (to the strip's end)" 450 $((strip_top + strip_height - client_top))

# Counts the dark (text) pixels of the part (size WxH) of the screenshot at
# (x, y) of the client area.
dark_pixels() {
  convert "$shot[$1+$((client_left + $2))+$((client_top + $3))]" -colorspace gray \
          -threshold 30% -negate -format '%[fx:round(mean * w * h)]' info:
}

# "Continue" covers exactly its 81 x 33 pixels at (72, 184): the board shows
# unchanged right around it and hardly anywhere within it, and it has a label.
while read -r side size x y; do
  expect_same "board $side Continue" "$size" "$x" "$y" board.png $((x - 2)) $((y - 2))
done <<'EOF'
above 81x1 72 183
below 81x1 72 217
left 1x33 71 184
right 1x33 153 184
EOF
covered=$(pixels_differing 81x33 72 184 board.png 70 182)
(( covered > 81 * 33 * 95 / 100 )) || fail "Continue covers only $covered pixels of the board"
label=$(dark_pixels 61x21 82 190)
(( label > 50 )) || fail "Continue shows no label ($label dark pixels)"

# The menu bar's labels, in the 19 rows above the client area.
while read -r menu size x; do
  text=$(dark_pixels "$size" "$x" -19)
  (( text > 30 )) || fail "no label \"$menu\" on the menu bar ($text dark pixels)"
done <<'EOF'
Game 52x19 0
Options 68x19 52
EOF

echo "e2e wayland: passed"
