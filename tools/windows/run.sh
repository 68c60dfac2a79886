#!/usr/bin/env bash
# `make windows` and `make test-windows`:
#   tools/windows/run.sh build|test
# The Windows program is always made with Debian 13's toolchain (Qt 6.8.2,
# MinGW-w64 GCC 14), so that every build of it is the same whoever makes it:
# on Debian 13 here, once the packages of tools/packages-windows.txt (and
# for the tests packages-windows-test.txt) are installed, and on another
# release in a cached Debian 13 system (tools/cross-system.sh).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
name=windows

# test.sh builds what is missing first.
case "${1:-}" in
  build) step=$here/build.sh needs=(packages-windows.txt) ;;
  test) step=$here/test.sh needs=(packages-windows.txt packages-windows-test.txt) ;;
  *) echo "windows: usage: $0 build|test" >&2; exit 1 ;;
esac
source "$here/../cross-system.sh"
