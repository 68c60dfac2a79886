#!/usr/bin/env bash
# Makes the installer of the program's folder with NSIS
# (desktop/windows/installer.nsi):
#   tools/windows/make-installer.sh FOLDER VERSION ICON OUTFILE
# package.sh makes the player's; the installer tests make earlier versions
# with it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
usage="usage: $0 FOLDER VERSION ICON OUTFILE"
folder=$(cd "${1:?$usage}" && pwd)
version=${2:?$usage}
icon=$(realpath "${3:?$usage}")
outfile=$(realpath -m "${4:?$usage}")

fail() { echo "make-installer: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The installer's file list, written out for its install and its uninstall
# sections: it removes exactly what it installed, and checks each removal.
(cd "$folder" && find . -type f | LC_ALL=C sort | sed 's|^\./||; s|/|\\|g') >"$work/installed"
awk -F'\\' '{ dir = ""; for (i = 1; i < NF; i++) dir = dir "\\" $i; print "SetOutPath \"$INSTDIR" dir "\""; print "File \"" $0 "\"" }' \
  "$work/installed" >"$work/install-files.nsh"
{
  awk '{ print "!insertmacro RemoveInstalledFile \"$INSTDIR\\" $0 "\"" }' "$work/installed"
  awk -F'\\' 'NF > 1 { print $1 }' "$work/installed" | sort -u | awk '{ print "!insertmacro RemoveInstalledFolder \"$INSTDIR\\" $0 "\"" }'
} >"$work/uninstall-files.nsh"
(cd "$folder" && makensis -V2 -NOCD -INPUTCHARSET UTF8 \
  -DVERSION="$version" -DOUTFILE="$outfile" -DICON="$icon" -DINSTALL_FILES="$work/install-files.nsh" \
  -DUNINSTALL_FILES="$work/uninstall-files.nsh" -DESTIMATED_SIZE_KB="$(du -sk . | cut -f1)" \
  "$repo/desktop/windows/installer.nsi") >"$work/makensis.log" 2>&1 ||
  { cat "$work/makensis.log" >&2; fail "makensis could not make the installer (its messages are above)"; }
