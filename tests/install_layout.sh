#!/usr/bin/env bash
# Installs the build into a temporary prefix and expects exactly the files of
# installed-files.txt, each where the desktop looks for it: the program in
# games/ (on the default path) that the desktop entry runs, a manual page that
# man reads without a warning, every icon as large as its theme folder
# says, and metainfo that resolves against the installed desktop entry.
#   install_layout.sh BUILD_DIR
set -euo pipefail
build=$1
expected="$(dirname "$0")/installed-files.txt"
prefix=$(mktemp -d)
# cmake --install rewrites the build's install manifest, which a real
# `make install` may have left there for uninstalling: keep it as it was.
manifest="$build/install_manifest.txt"
saved=$(mktemp)
had_manifest=false
[ -e "$manifest" ] && had_manifest=true && cp "$manifest" "$saved"
restore() {
  if $had_manifest; then cp "$saved" "$manifest"; else rm -f "$manifest"; fi
  rm -rf "$prefix" "$saved"
}
trap restore EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
cmake --install "$build" --prefix "$prefix" > /dev/null

installed=$(cd "$prefix" && find . ! -type d | sed 's|^\./||' | sort)
diff <(sort "$expected") <(echo "$installed") >&2 || fail "the installed files are not those of $expected (< expected, > installed)"

[ -x "$prefix/games/vorn" ] || fail "games/vorn is not executable"
page="$prefix/share/man/man6/vorn.6"
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 > /dev/null)
[ -z "$warnings" ] || fail "man warns about vorn.6: $warnings"
entry=$(echo "$prefix"/share/applications/*.desktop)
id=$(basename "$entry" .desktop)
grep -qx "Exec=vorn" "$entry" || fail "the desktop entry does not run vorn"
grep -qx "Icon=$id" "$entry" || fail "the desktop entry's icon is not named $id"
for picture in "$prefix"/share/icons/hicolor/*x*/apps/"$id".png; do
  folder=$(basename "$(dirname "$(dirname "$picture")")")
  size=$(identify -format '%wx%h' "$picture")
  [ "$size" = "$folder" ] || fail "the icon in $folder is $size pixels"
done
bash "$(dirname "$0")/metainfo_valid.sh" validate-tree "$prefix" > /dev/null || fail "the installed metainfo does not validate"
echo "install layout: $(echo "$installed" | wc -l) files in place"
