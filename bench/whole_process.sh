#!/usr/bin/env bash
# The benchmark's whole-process part: the real program under Xvfb with a
# window manager and real X input. Prints "key value" lines:
#   startup_ms        just before the program starts to the first screenshot
#                     showing the board, median of 5 (vorn_bench startup);
#   startup_accuracy_ms the longest interval between its screenshots
#   cpu_fraction.*    CPU time / wall time over 20 s of whole games with no
#                     input at levels 1 and 10
#   cpu_per_step_us.* the process's CPU time per fall step made, the real
#                     window on this X server at levels 1 and 10, and
#   wakeups_per_step  the main thread's voluntary switches per fall step made
#                     at level 1 (both vorn_bench steps)
#   peak_rss_mb       VmHWM after a whole game at level 10 with no input
# Every process it starts ends with it.
#
#   whole_process.sh VORN VORN_BENCH
set -euo pipefail
vorn=$(realpath "$1")
bench=$(realpath "$2")
source "$(dirname "$0")/../tests/e2e/x_session.sh"

readonly title="Vorn v2.00"
readonly span_s=20
readonly game_over_limit_s=120
ticks_per_s=$(getconf CLK_TCK)
readonly ticks_per_s

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  stop_x_session
  rm -rf "$work"
}
trap cleanup EXIT

# Starts the program in a fresh directory of its own; sets vorn_pid and rundir.
start_vorn() {
  rundir=$(mktemp -d "$work/run.XXXX")
  (cd "$rundir" && exec "$vorn") &
  vorn_pid=$!
  pids+=("$vorn_pid")
}

stop_vorn() {
  kill "$vorn_pid" 2>/dev/null || true
  wait "$vorn_pid" 2>/dev/null || true
}

now_us() { echo $((${EPOCHREALTIME/./})); }

# "Options" > "Starting level" > "Level N" with real X input: a click on the
# menu bar, then the keyboard through the menu and its submenu.
choose_level() {
  local x y w h
  window_geometry "$1"
  xdotool mousemove $((x + 70)) $((y + (h - 450) / 2)) click 1
  sleep 0.3
  xdotool key Down Down Right
  sleep 0.2
  local _
  for _ in $(seq $(($2 - 1))); do xdotool key Down; done
  xdotool key Return
  sleep 0.2
}

# Shows the window and chooses the level; the top-players file it made at
# start-up is removed, so that its return marks the end of a game.
open_window() {
  start_vorn
  window=$(find_window "$title")
  sleep 0.5
  choose_level "$window" "$1"
  rm -f "$rundir/Vorn.nrz"
}

# Presses "Continue" and waits until the game is over; sets game_us.
play_game_to_end() {
  local t0 _
  click_client "$window" 112 200  # "Continue"
  t0=$(now_us)
  for _ in $(seq $((game_over_limit_s * 20))); do
    [ -e "$rundir/Vorn.nrz" ] && break
    kill -0 "$vorn_pid" 2>/dev/null || fail "the program ended in the middle of a game"
    sleep 0.05
  done
  [ -e "$rundir/Vorn.nrz" ] || fail "a game with no input did not end within $game_over_limit_s s"
  game_us=$(($(now_us) - t0))
  rm -f "$rundir/Vorn.nrz"
}

# "Game" > "New game", the menu's last item, with real X input.
new_game() {
  local x y w h
  window_geometry "$window"
  xdotool mousemove $((x + 20)) $((y + (h - 450) / 2)) click 1
  sleep 0.3
  xdotool key Up Return
  sleep 0.3
}

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# Whole games with no input at the given level, one after another, until
# at least span_s seconds were played; only the games themselves count.
# Sets span_cpu (CPU time / wall time).
play_span() {
  local level=$1 played_us=0 ticks=0 cpu0
  open_window "$level"
  while ((played_us < span_s * 1000000)); do
    ((played_us == 0)) || new_game
    cpu0=$(cpu_ticks "$vorn_pid")
    play_game_to_end
    ticks=$((ticks + $(cpu_ticks "$vorn_pid") - cpu0))
    played_us=$((played_us + game_us))
  done
  stop_vorn
  span_cpu=$(awk -v c=$ticks -v hz="$ticks_per_s" -v us=$played_us 'BEGIN { printf "%.6f\n", c / hz / (us / 1e6) }')
  echo "level $level: $((played_us / 1000)) ms of play, $ticks CPU ticks" >&2
}

peak_rss_mb() {
  open_window 10
  play_game_to_end
  awk '/^VmHWM/ { printf "%.2f\n", $2 / 1024 }' "/proc/$vorn_pid/status"
  stop_vorn
}

start_x_session
(cd "$work" && QT_QPA_PLATFORM=xcb "$bench" startup "$vorn")
play_span 1
echo "cpu_fraction.level1 $span_cpu"
(cd "$work" && QT_QPA_PLATFORM=xcb "$bench" steps)
play_span 10
echo "cpu_fraction.level10 $span_cpu"
peak_rss_mb >"$work/rss"
echo "peak_rss_mb $(cat "$work/rss")"
