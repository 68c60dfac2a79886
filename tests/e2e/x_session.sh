# Helpers for the end-to-end tests: a private X server with a window manager,
# real X input through xdotool, and screenshots compared with the pictures.

fail() { echo "FAIL: $*" >&2; exit 1; }

# Runs the program $vorn with the arguments given, in place of the shell that
# calls it: a Windows program (.exe) under Wine. Started in the background,
# its process is $!.
run_vorn() {
  case "$vorn" in
    *.exe) exec wine "$vorn" "$@" ;;
    *) exec "$vorn" "$@" ;;
  esac
}

expect_equal() { [ "$2" = "$3" ] || fail "$1: expected $2, got $3"; }

# Counts the pixels of the part (size WxH) of the screenshot $shot at (x, y)
# of the client area, whose top left corner is at ($client_left, $client_top)
# in the screenshot, that differ from the part of $art/$picture at (px, py).
pixels_differing() {
  local size=$1 x=$2 y=$3 picture=$4 px=$5 py=$6
  compare -metric AE "$shot[$size+$((client_left + x))+$((client_top + y))]" \
          "$art/$picture[$size+$px+$py]" null: 2>&1 || true
}

# Expects that part of the screenshot to be the same as that of the picture.
expect_same() {
  local what=$1
  shift
  expect_equal "$what: pixels differing from $4" 0 "$(pixels_differing "$@")"
}

# Writes a picture to $2, made by the command "$1 FILE", once two made in a
# row are the same.
capture_settled() {
  local capture=$1 output=$2 previous
  previous=$(mktemp --suffix=.png)
  "$capture" "$previous"
  for _ in $(seq 50); do
    sleep 0.2
    "$capture" "$output"
    if [ "$(compare -metric AE "$previous" "$output" null: 2>&1)" = "0" ]; then
      rm -f "$previous"
      return 0
    fi
    mv "$output" "$previous"
  done
  rm -f "$previous"
  fail "the picture did not settle"
}

start_window_manager() {
  openbox >>"$wm_log" 2>&1 &
  wm_pid=$!
}

start_x_session() {
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  xvfb_pid=$!
  local number
  read -r -t 20 number <"$fifo" || fail "Xvfb did not start"
  rm -f "$fifo"
  export DISPLAY=":$number"
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY
  wm_log=$(mktemp)
  start_window_manager
  for _ in $(seq 300); do
    wmctrl -m >/dev/null 2>&1 && return 0
    # Once in a while openbox was not up within 10 s (seen 1 run in 15): wait
    # longer, and start it again should it have ended.
    kill -0 "$wm_pid" 2>/dev/null || start_window_manager
    sleep 0.1
  done
  cat "$wm_log" >&2
  fail "the window manager did not start"
}

stop_x_session() {
  [ -n "${wm_pid:-}" ] && kill "$wm_pid" 2>/dev/null || true
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -f "${wm_log:-}"
}

# Waits up to 30 s: Wine's first start of a program in a new prefix takes 10.
find_window() {
  local id
  for _ in $(seq 300); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  fail "no window named '$1'"
}

# Sets x, y, w, h to the window's client area on the screen (menu bar included).
window_geometry() {
  local info
  info=$(xwininfo -id "$1")
  x=$(awk '/Absolute upper-left X/{print $NF}' <<<"$info")
  y=$(awk '/Absolute upper-left Y/{print $NF}' <<<"$info")
  w=$(awk '/^ *Width:/{print $NF}' <<<"$info")
  h=$(awk '/^ *Height:/{print $NF}' <<<"$info")
}

client_size() {
  local x y w h
  window_geometry "$1"
  echo "$w $h"
}

# Clicks button ${4:-1} at (x, y) of the 448 x 450 area below the menu bar.
# (No --sync: it waits for a motion, and there is none when the pointer is
# already there; the X server keeps the move and the click in order anyway.)
click_client() {
  local x y w h
  window_geometry "$1"
  xdotool mousemove $((x + $2)) $((y + h - 450 + $3)) click "${4:-1}"
}

# Chooses "Level 10" under "Options", "Starting level" in window $1.
choose_level_10() {
  local x y w h
  window_geometry "$1"
  xdotool mousemove $((x + 70)) $((y + (h - 450) / 2)) click 1
  sleep 0.3
  xdotool key Down Down Right
  sleep 0.3
  for _ in $(seq 9); do xdotool key Down; done
  xdotool key Return
  sleep 0.2
}

# The window answers when a click on its "Game" menu opens the menu's popup.
expect_alive() {
  local x y w h before after
  window_geometry "$1"
  before=$(xdotool search --onlyvisible --class vorn 2>/dev/null | wc -l)
  xdotool mousemove $((x + 20)) $((y + (h - 450) / 2)) click 1
  for _ in $(seq 50); do
    after=$(xdotool search --onlyvisible --class vorn 2>/dev/null | wc -l)
    if [ "$after" -gt "$before" ]; then
      xdotool key Escape
      sleep 0.2
      return 0
    fi
    sleep 0.1
  done
  fail "the window does not answer: its menu did not open"
}

expect_exit() {
  local status=0
  for _ in $(seq 100); do
    kill -0 "$1" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$1" 2>/dev/null && fail "the program did not end"
  wait "$1" || status=$?
  expect_equal "exit status" "$2" "$status"
}
