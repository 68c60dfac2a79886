#!/usr/bin/env bash
# Runs an end-to-end test of tests/e2e on the Windows program as a player
# gets it: the portable zip unpacked into a temporary folder and run from
# there under Wine, with no path to the build's Qt or MinGW DLLs, so that a
# DLL or plug-in the package lacks fails the test:
#   package_e2e.sh ZIP TEST [ARGUMENT...]   runs tests/e2e/TEST_e2e.sh PROGRAM ARGUMENT...
set -euo pipefail
zip=$(realpath "$1")
test=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)

source "$here/wine_session.sh"
wine_session_restart
work=$(mktemp -d)
trap 'wine_session_restart; rm -rf "$work"' EXIT
(cd "$work" && cmake -E tar xf "$zip")
program=$(find "$work" -name vorn.exe)
unset WINEPATH WINEQT_PLUGIN_PATH WINEQT_QPA_PLATFORM
bash "$here/../e2e/${test}_e2e.sh" "$program" "$@"
