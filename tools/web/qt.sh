#!/usr/bin/env bash
# The WebAssembly Qt in the cross-builds' cache: built once, then found there.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../windows/cache.sh"
"$here/build-qt.sh" "$windows_cache"
