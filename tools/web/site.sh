#!/usr/bin/env bash
# Makes the site a browser plays the game from, out of the built program:
#   tools/web/site.sh BUILD-TREE OUTPUT-DIR
# OUTPUT-DIR gets web/ (index.html and everything it loads) and
# vorn-VERSION-web.zip of the same files. Each is made beside its final name
# and renamed into place, so a failed or interrupted run leaves neither
# half-made. The service worker is named after a digest of the other files,
# so a changed site is a new version to every browser that kept the old one.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
tree=${1:?usage: $0 BUILD-TREE OUTPUT-DIR}
output=$(mkdir -p "${2:?usage: $0 BUILD-TREE OUTPUT-DIR}" && cd "$2" && pwd)

fail() { echo "web: $*" >&2; exit 1; }
for built in vorn.js vorn.wasm qtloader.js; do
  [ -f "$tree/$built" ] || fail "$tree/$built is not built"
done
command -v zip >/dev/null || fail "zip is missing (tools/packages-web.txt lists what the browser build needs)"

version=$(sed -n 's/^project(Vorn VERSION \([0-9.]*\).*/\1/p' "$repo/CMakeLists.txt")
app_id=org.vorngame.Vorn
page=$repo/desktop/web
site=$output/web
zip_file=$output/vorn-$version-web.zip
stage=$site.partial
trap 'rm -rf "$stage" "$zip_file.partial"' EXIT

rm -rf "$stage" "$zip_file.partial"
mkdir -p "$stage/icons"
cp "$tree/vorn.js" "$tree/vorn.wasm" "$tree/qtloader.js" "$page/page.js" "$page/page.css" "$page/manifest.webmanifest" "$stage/"
cp "$repo/art/icons/scalable/apps/$app_id.svg" "$stage/icons/vorn.svg"
for size in 32 128 256; do
  cp "$repo/art/icons/${size}x${size}/apps/$app_id.png" "$stage/icons/vorn-$size.png"
done
# The page's progress bar measures the program's download against its size.
sed "s/@WASM_BYTES@/$(stat -c %s "$tree/vorn.wasm")/" "$page/index.html" >"$stage/index.html"

mapfile -t files < <(cd "$stage" && find . -type f -printf '%P\n' | LC_ALL=C sort)
digest=$(cd "$stage" && sha256sum "${files[@]}" | sha256sum | cut -c1-16)
listed="'./'"
for file in "${files[@]}"; do listed+=", '$file'"; done
sed -e "s/@VERSION@/$version-$digest/" -e "s|@FILES@|$listed|" "$page/sw.js" >"$stage/sw.js"

if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
  find "$stage" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
fi
(cd "$stage" && find . -type f -printf '%P\n' | LC_ALL=C sort | zip -q -X -9 "$zip_file.partial" -@) ||
  fail "zipping the site failed"
rm -rf "$site"
mv "$stage" "$site"
mv "$zip_file.partial" "$zip_file"
echo "web: the site is in $site (its page index.html), and zipped in $zip_file"
