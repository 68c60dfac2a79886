#!/usr/bin/env bash
# A whole game of the real program with no input, at level 10: its pieces
# pile up until a column is full, and the top-players file then holds the
# result at rank 1, byte for byte (the name, the cash and its "$", CR LF line
# ends), the default rows moved down. A close after the game ends the
# program with status 0.
set -euo pipefail
vorn=$(realpath "$1")
source "$(dirname "$0")/x_session.sh"

title="Vorn v2.00"
most_seconds=60

start_x_session
workdir=$(mktemp -d)
trap 'stop_x_session; rm -rf "$workdir"' EXIT
cd "$workdir"

# Rows of the table, a name and a cash text each, as the file holds them.
table_bytes() { printf '%s\r\n' "$@"; }

run_vorn &
vorn_pid=$!
window=$(find_window "$title")
# The window manager may still be placing it.
sleep 2
table_bytes Mirako '0$' Mirako '0$' Mirako '0$' Mirako '0$' Mirako '0$' >default.expected
cmp -s Vorn.nrz default.expected || fail "Vorn.nrz at start-up is not the default table"

choose_level_10 "$window"
click_client "$window" 112 200   # "Continue"
for _ in $(seq $((most_seconds * 5))); do
  cmp -s Vorn.nrz default.expected || break
  sleep 0.2
done
cmp -s Vorn.nrz default.expected && fail "the game did not end within $most_seconds s"
cash=$(sed -n 2p Vorn.nrz | tr -d '\r')
[[ $cash =~ ^[0-9]+\$$ ]] || fail "rank 1's cash is '$cash', not digits and a dollar sign"
table_bytes Player "$cash" Mirako '0$' Mirako '0$' Mirako '0$' Mirako '0$' >result.expected
cmp Vorn.nrz result.expected || fail "Vorn.nrz is not the result at rank 1 over the default rows: $(od -c Vorn.nrz)"

wmctrl -c "$title"
expect_exit "$vorn_pid" 0
echo "e2e game over: passed (Player $cash)"
