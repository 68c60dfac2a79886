#!/usr/bin/env bash
# The portable package holds exactly the DLLs and plug-ins the program loads:
# the program, started from the unpacked zip under Wine on a private X
# server, loads every one of them, and its window comes up, so it lacks none.
set -euo pipefail
zip=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/x_session.sh"
source "$here/wine_session.sh"

start_wine_x_session
unpack_package "$zip"
folder=$package
cd "$folder"
WINEDEBUG=+loaddll wine ./vorn.exe 2>"$work/loads.txt" &
vorn_pid=$!
find_window "Vorn v2.00" >/dev/null
sleep 1
wmctrl -c "Vorn v2.00"
expect_exit "$vorn_pid" 0

# Wine notes each DLL it loads: "Loaded L"Z:\...\Qt6Core.dll" at ...: native".
loaded=$(grep -o 'Loaded L"[^"]*"' "$work/loads.txt" | sed 's/^Loaded L"//; s/"$//; s|\\\\|/|g' | tr '[:upper:]' '[:lower:]' |
  awk -v folder="$(echo "z:$folder/" | tr '[:upper:]' '[:lower:]')" 'index($0, folder) == 1 { print substr($0, length(folder) + 1) }' |
  grep '\.dll$' | sort -u)
shipped=$(find . -iname '*.dll' | sed 's|^\./||' | tr '[:upper:]' '[:lower:]' | sort)
expect_equal "the DLLs and plug-ins loaded from the package" "$shipped" "$loaded"
echo "package loads: passed ($(echo "$shipped" | wc -l) DLLs and plug-ins, all loaded)"
