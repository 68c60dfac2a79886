#!/usr/bin/env bash
# tools/web/site.sh where a run was cut short, failed or is repeated, on a
# stand-in of the built program:
# - what an interrupted run left (web.partial, the zip's .partial) never
#   reaches the new site or zip, and nothing .partial is left;
# - a tree without the program fails in one line and leaves the site and zip
#   that were there as they were;
# - two runs give the same zip, byte for byte;
# - a changed program gives the service worker a new version, so browsers
#   that kept the old site take the new one.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
source "$here/../e2e/x_session.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tree=$work/tree
output=$work/out
mkdir -p "$tree" "$output"
for built in vorn.js vorn.wasm qtloader.js; do echo "stand-in $built" >"$tree/$built"; done
version=$(sed -n 's/^project(Vorn VERSION \([0-9.]*\).*/\1/p' "$repo/CMakeLists.txt")
zip_file=$output/vorn-$version-web.zip
site() { SOURCE_DATE_EPOCH=0 bash "$repo/tools/web/site.sh" "$@"; }
sw_version() { sed -n "s/^const version = '\(.*\)';$/\1/p" "$output/web/sw.js"; }

# Leftovers of an interrupted run.
mkdir -p "$output/web.partial"
echo stale >"$output/web.partial/stale.txt"
(cd "$output/web.partial" && zip -q "$zip_file.partial" stale.txt)
site "$tree" "$output" >/dev/null
[ ! -e "$output/web/stale.txt" ] || fail "the site kept what an interrupted run left"
grep -q stale <<<"$(cd "$output" && cmake -E tar tf "$zip_file")" && fail "the zip kept what an interrupted run left"
expect_equal "what is left beside the site" "" "$(find "$output" -maxdepth 1 -name '*.partial')"
[ -f "$output/web/index.html" ] && [ -f "$output/web/vorn.wasm" ] || fail "the site lacks its page or program"

# The same again: the same bytes.
first=$(sha256sum <"$zip_file")
first_version=$(sw_version)
[ -n "$first_version" ] || fail "no version in sw.js: $(cat "$output/web/sw.js")"
site "$tree" "$output" >/dev/null
expect_equal "the zip of a second run" "$first" "$(sha256sum <"$zip_file")"

# A changed program: a new version of the service worker.
echo "another stand-in" >"$tree/vorn.wasm"
site "$tree" "$output" >/dev/null
[ "$(sw_version)" != "$first_version" ] || fail "a changed program kept the service worker's version $first_version"
changed=$(sha256sum <"$zip_file")

# A tree without the program: one line, and what was there stays.
rm "$tree/vorn.wasm"
status=0
site "$tree" "$output" >"$work/out.txt" 2>"$work/err.txt" || status=$?
expect_equal "the status of a run without the program" 1 "$status"
expect_equal "its message" "web: $tree/vorn.wasm is not built" "$(cat "$work/err.txt")"
expect_equal "the zip after the failed run" "$changed" "$(sha256sum <"$zip_file")"
[ -f "$output/web/vorn.wasm" ] || fail "the failed run took away the site that was there"
echo "site script: passed"
