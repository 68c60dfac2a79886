#!/usr/bin/env bash
# The browser build's figures, on Debian 13 (make bench-web):
#   tools/web/bench.sh
# Builds the site and the pace benchmark if missing or old (build.sh
# --tests), then measures them in Chromium (bench/web/bench.py): the download,
# the load times, the pace of the fall steps and collapse frames, and the
# tab's memory.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
for tool in chromium chromedriver python3; do
  command -v "$tool" >/dev/null || { echo "web bench: $tool is missing (tools/packages-web-test.txt)" >&2; exit 1; }
done
"$here/build.sh" --tests
VORN_WEB_SITE=$repo/build/web python3 "$repo/bench/web/bench.py"
