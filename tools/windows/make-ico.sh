#!/usr/bin/env bash
# Packs square PNG pictures into one Windows icon file, each picture kept as
# it is (Windows reads PNG pictures in icons of every size):
#   make-ico.sh OUTPUT.ico PICTURE.png...
set -euo pipefail
output=$1
shift
# A half-written icon never stays beside the output (on success it is renamed).
trap 'rm -f "$output.partial"' EXIT

# A byte and little-endian 16- and 32-bit numbers, as printf escapes.
byte() { printf '\\x%02x' $(($1 & 255)); }
le16() { printf '%s%s' "$(byte "$1")" "$(byte $(($1 >> 8)))"; }
le32() { printf '%s%s' "$(le16 $(($1 & 65535)))" "$(le16 $(($1 >> 16 & 65535)))"; }
# A PNG's width: the big-endian number at byte 16, in its header chunk.
png_width() { od -An -tu1 -j16 -N4 "$1" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 }'; }

{
  # Reserved, type 1 (icon), the number of pictures.
  printf "$(le16 0)$(le16 1)$(le16 $#)"
  offset=$((6 + 16 * $#))
  for picture in "$@"; do
    width=$(png_width "$picture")
    [ "$width" -ge 1 ] && [ "$width" -le 256 ] || { echo "make-ico: $picture is not a PNG of 1 to 256 pixels" >&2; exit 1; }
    size=$(stat -c %s "$picture")
    # Width and height (0 stands for 256), no palette, reserved, one plane,
    # 32 bits a pixel, the picture's size and where it starts.
    printf "$(byte "$width")$(byte "$width")$(byte 0)$(byte 0)$(le16 1)$(le16 32)$(le32 "$size")$(le32 "$offset")"
    offset=$((offset + size))
  done
  cat "$@"
} >"$output.partial"
mv "$output.partial" "$output"
