#!/usr/bin/env bash
# Runs the board's pixel test (test_board_pixels) on a real display server:
#   board_pixels.sh PROGRAM x11|wayland
# X11 is a private Xvfb with a window manager, Wayland a private headless
# Weston; the program is a Qt Test executable that plays its scripted game
# there and compares every frame with the recorded ones.
set -euo pipefail
program=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)

case "${2:-}" in
  x11)
    source "$here/x_session.sh"
    trap stop_x_session EXIT
    start_x_session
    export QT_QPA_PLATFORM=xcb
    ;;
  wayland)
    source "$here/wayland_session.sh"
    trap stop_wayland_session EXIT
    trap 'exit 143' TERM INT HUP
    start_wayland_session
    # In the sanitizer tree: Qt's Wayland leaks are told apart by their whole
    # stack (tests/lsan.supp), which the libraries below it do not keep.
    [[ -z ${ASAN_OPTIONS:-} ]] || export ASAN_OPTIONS="$ASAN_OPTIONS:fast_unwind_on_malloc=0"
    ;;
  *) echo "usage: $0 PROGRAM x11|wayland" >&2; exit 2 ;;
esac
"$program"
