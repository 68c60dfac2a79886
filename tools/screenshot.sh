#!/usr/bin/env bash
# Captures the real game window (menu bar and client area) to a PNG:
#   tools/screenshot.sh OUTPUT.png [STEPS.sh]
# Starts build/vorn (or $VORN) in a temporary directory under a private Xvfb
# with a window manager and waits for the window "Vorn v2.00". Without STEPS
# it captures the Ready state. STEPS.sh, when given, is sourced first, with
# $window holding the window's id and the helpers of tests/e2e/x_session.sh
# (click_client and the rest) at hand, to play up to the moment to be shown.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
[ $# -ge 1 ] || { echo "usage: $0 OUTPUT.png [STEPS.sh]" >&2; exit 2; }
output=$(realpath -m "$1")
steps=${2:+$(realpath "$2")}
vorn=$(realpath "${VORN:-$here/../build/vorn}")
source "$here/../tests/e2e/x_session.sh"

start_x_session
workdir=$(mktemp -d)
trap 'kill "${vorn_pid:-}" 2>/dev/null; stop_x_session; rm -rf "$workdir"' EXIT
cd "$workdir"
run_vorn &
vorn_pid=$!
window=$(find_window "Vorn v2.00")
# Park the pointer off the window, so no hover highlight shows.
xdotool mousemove 1000 740
[ -n "$steps" ] && source "$steps"

capture_window() { import -window "$window" "$1"; }
capture_settled capture_window "$output"
echo "captured $output"
