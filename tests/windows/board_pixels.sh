#!/usr/bin/env bash
# Runs the board's pixel test (test_board_pixels.exe) under Wine's own
# windows platform on a private X server, where the frames are read back
# from the window as Windows shows it:
#   board_pixels.sh PROGRAM
set -euo pipefail
program=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/x_session.sh"
source "$here/wine_session.sh"

start_wine_x_session
unset WINEQT_QPA_PLATFORM
wine "$program"
