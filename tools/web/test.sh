#!/usr/bin/env bash
# The browser build's tests, on Debian 13 (make test-web):
#   tools/web/test.sh
# Builds what is missing first (build.sh), then runs the CTest tests of
# tests/web.cmake (the suites that run on WebAssembly in Node.js, and the
# cues heard from Chromium through the tests' sound server), and the page's
# tests of tests/web/ in Debian's Chromium, driven by chromedriver with real
# input.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)

fail() { echo "web tests: $*" >&2; exit 1; }
for tool in chromium chromedriver python3 node; do
  command -v "$tool" >/dev/null || fail "$tool is missing (tools/packages-web-test.txt lists what the browser tests need)"
done
python3 -c 'import selenium' 2>/dev/null ||
  fail "Python's selenium is missing (tools/packages-web-test.txt lists what the browser tests need)"

"$here/build.sh" --tests
start=$SECONDS
status=0
(cd "$repo/build-web" && ctest --output-on-failure -j "$(nproc)") || status=$?
echo "web tests: the suites in Node.js and the cues heard ran in $((SECONDS - start)) s"
start=$SECONDS
(cd "$repo/tests/web" && VORN_WEB_SITE=$repo/build/web python3 -m unittest discover -v -p 'test_*.py') || status=$?
echo "web tests: the page's tests ran in Chromium in $((SECONDS - start)) s"
exit "$status"
