#!/usr/bin/env bash
# Two windows of the real program started in one directory, as a player who
# opens the program twice from the same place: each plays a game at level 10
# with no input until its pieces pile up to the top, and the top-players file
# then holds both results, ranked, whichever game ended first.
set -euo pipefail
vorn=$(realpath "$1")
source "$(dirname "$0")/x_session.sh"

title="Vorn v2.00"
most_seconds_per_game=60

start_x_session
workdir=$(mktemp -d)
trap 'stop_x_session; rm -rf "$workdir"' EXIT
cd "$workdir"

# The window of process $1 with the program's title, or nothing.
window_of() { xdotool search --all --onlyvisible --pid "$1" --name "^$title\$" 2>/dev/null | head -n 1 || true; }

# Starts the program with its window's left edge at $1 and sets pid and
# window, once the window is there.
start_window() {
  run_vorn -qwindowgeometry "+$1+0" &
  pid=$!
  window=
  for _ in $(seq 100); do
    window=$(window_of "$pid")
    [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || fail "no window for process $pid"
  # The window manager may still be placing it.
  sleep 2
}

# Types the name $2 into the name box of window $1 and chooses level 10.
prepare_game() {
  click_client "$1" 385 301
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 20 "$2"
  choose_level_10 "$1"
}

start_window 0
first_pid=$pid first_window=$window
prepare_game "$first_window" Ann
start_window 540
second_pid=$pid second_window=$window
prepare_game "$second_window" Bo
[ -f Vorn.nrz ] || fail "no Vorn.nrz after start-up"

# "Continue" in both, one right after the other.
click_client "$first_window" 112 200
click_client "$second_window" 112 200

names() { awk 'NR % 2 == 1' Vorn.nrz | tr -d '\r' | LC_ALL=C sort | tr '\n' ' '; }
for _ in $(seq $((most_seconds_per_game * 5))); do
  [ "$(names)" = "Ann Bo Mirako Mirako Mirako " ] && break
  sleep 0.2
done
expect_equal "the names in Vorn.nrz" "Ann Bo Mirako Mirako Mirako " "$(names)"

# Both results lead, the better first; the default rows follow.
mapfile -t lines < <(tr -d '\r' <Vorn.nrz)
expect_equal "lines in Vorn.nrz" 10 "${#lines[@]}"
expect_equal "CR LF line ends" 10 "$(grep -c $'\r$' Vorn.nrz)"
(( ${lines[1]%\$} >= ${lines[3]%\$} )) || fail "rank 1 (${lines[1]}) below rank 2 (${lines[3]})"
expect_equal "ranks 3 to 5" "Mirako 0$ Mirako 0$ Mirako 0$" "${lines[*]:4}"

wmctrl -i -c "$first_window"
wmctrl -i -c "$second_window"
expect_exit "$first_pid" 0
expect_exit "$second_pid" 0
echo "e2e two windows: passed (${lines[0]} ${lines[1]}, ${lines[2]} ${lines[3]})"
