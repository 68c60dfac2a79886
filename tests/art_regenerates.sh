#!/usr/bin/env bash
# Redraws every picture into a fresh directory and expects exactly the files
# of art/, byte for byte: what is committed is what the tool draws.
set -euo pipefail
artgen=$1
art=$2
fresh=$(mktemp -d)
trap 'rm -rf "$fresh"' EXIT

"$artgen" "$fresh"
if ! diff -r "$art" "$fresh"; then
  echo "FAIL: art/ is not what artgen draws; redraw it with: cmake --build build --target art" >&2
  exit 1
fi
echo "art regenerates: $(ls "$fresh" | wc -l) files, all the same"
