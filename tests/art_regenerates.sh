#!/usr/bin/env bash
# Redraws every picture into a fresh directory and expects exactly the files
# of art/, its subfolders included. Pictures may differ by a level or two of
# a channel: the raster engine's arithmetic varies with the processor it runs
# on. The scalable icon must match but for runs of spaces, which XML reads as
# one: Qt 6.8's generator writes a single space between two attributes where
# Qt 6.4's wrote two. Any other file must match byte for byte.
set -euo pipefail
artgen=$1
art=$2
fresh=$(mktemp -d)
trap 'rm -rf "$fresh"' EXIT

"$artgen" "$fresh"
fail() { echo "FAIL: $*; redraw art/ with: cmake --build build --target art" >&2; exit 1; }
files_of() { (cd "$1" && find . -type f | sort); }
[ "$(files_of "$art")" = "$(files_of "$fresh")" ] || fail "art/ does not hold the files that artgen draws"
count=0
while IFS= read -r name; do
  case $name in
    *.png)
      # Pixels whose colour differs by more than 1% (2.55 levels) in any channel.
      differing=$(compare -metric AE -fuzz 1% "$art/$name" "$fresh/$name" null: 2>&1) || true
      [ "$differing" = 0 ] || fail "$name differs from what artgen draws in $differing pixels"
      ;;
    *.svg)
      cmp -s <(tr -s ' ' <"$art/$name") <(tr -s ' ' <"$fresh/$name") || fail "$name is not what artgen writes"
      ;;
    *) cmp -s "$art/$name" "$fresh/$name" || fail "$name is not what artgen writes" ;;
  esac
  count=$((count + 1))
done < <(files_of "$fresh")
echo "art regenerates: $count files, all the same"
