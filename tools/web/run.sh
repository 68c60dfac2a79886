#!/usr/bin/env bash
# The browser build's steps, in Debian 13 as the Windows build's:
#   tools/web/run.sh qt     builds the WebAssembly Qt, or finds it in the cache
#   tools/web/run.sh build  builds the game and its site (make web)
#   tools/web/run.sh test   builds what is missing, then tests the site in Chromium (make test-web)
#   tools/web/run.sh bench  builds what is missing, then measures the site in Chromium (make bench-web)
# Debian 13 has the Emscripten (3.1.69) that Qt 6.8 builds with; on another
# release the step runs in the cross-builds' cached Debian 13 system
# (tools/cross-system.sh).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
name=web

case "${1:-}" in
  qt) step=$here/qt.sh needs=(packages-web.txt) ;;
  build) step=$here/build.sh needs=(packages-web.txt) ;;
  test) step=$here/test.sh needs=(packages-web.txt packages-web-test.txt) ;;
  bench) step=$here/bench.sh needs=(packages-web.txt packages-web-test.txt) ;;
  *) echo "web: usage: $0 qt|build|test|bench" >&2; exit 1 ;;
esac
source "$here/../cross-system.sh"
