#!/usr/bin/env bash
# Makes the two packages a Windows player can use from a built program:
#   tools/windows/package.sh BUILD-TREE QT-PREFIX OUTPUT-DIR
# OUTPUT-DIR gets vorn-VERSION-windows-x64.zip (the program's folder: the
# program, exactly the DLLs and plug-ins it loads, qt.conf, the licence and a
# read-me) and vorn-VERSION-windows-x64-setup.exe (an installer of the same
# files, made with NSIS). Each is written beside its final name and renamed
# into place, so a failed or interrupted run leaves neither half-made. Every
# file's time is SOURCE_DATE_EPOCH (build.sh sets it to the release's date),
# so two builds of the same sources on the same Qt give the same bytes.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
build=$(cd "${1:?usage: $0 BUILD-TREE QT-PREFIX OUTPUT-DIR}" && pwd)
qt=${2:?usage: $0 BUILD-TREE QT-PREFIX OUTPUT-DIR}
output=${3:?usage: $0 BUILD-TREE QT-PREFIX OUTPUT-DIR}

fail() { echo "package: $*" >&2; exit 1; }
for tool in x86_64-w64-mingw32-objdump x86_64-w64-mingw32-strip makensis zip; do
  command -v "$tool" >/dev/null || fail "$tool is missing (tools/packages-windows.txt lists what the Windows build needs)"
done

version=$(sed -n 's/^project(Vorn VERSION \([0-9.]*\).*/\1/p' "$repo/CMakeLists.txt")
name=vorn-$version-windows-x64
epoch=${SOURCE_DATE_EPOCH:?the release date, as build.sh sets it}
program=$build/vorn.exe
[ -f "$program" ] && [ -f "$build/desktop/windows/vorn.ico" ] || fail "$program is not built"

# The plug-ins Qt loads at run time, which no import names: the platform
# (windows) and the style (the modern Windows style). Everything else is
# found by following the imports from the program and these.
plugins=(platforms/qwindows.dll styles/qmodernwindowsstyle.dll)
mingw_runtime=(/usr/lib/gcc/x86_64-w64-mingw32/*-posix /usr/x86_64-w64-mingw32/lib)
search=("$qt/bin" "${mingw_runtime[@]}")

imports_of() { x86_64-w64-mingw32-objdump -p "$1" | awk '/DLL Name:/ { print $3 }'; }
# Where a DLL the program needs lies, or nothing for one of Windows' own.
find_dll() {
  local directory found
  for directory in "${search[@]}"; do
    found=$(find "$directory" -maxdepth 1 -iname "$1" -print -quit 2>/dev/null)
    [ -n "$found" ] && { echo "$found"; return 0; }
  done
  return 0
}

mkdir -p "$output"
zip=$output/$name.zip
setup=$output/$name-setup.exe
work=$(mktemp -d)
# A half-written package never stays beside the finished ones.
trap 'rm -rf "$work" "$zip.partial" "$setup.partial"' EXIT
folder=$work/$name
mkdir -p "$folder"
install -m 644 "$program" "$folder/vorn.exe"
for plugin in "${plugins[@]}"; do
  [ -f "$qt/plugins/$plugin" ] || fail "Qt's plug-in $plugin is missing from $qt"
  install -D -m 644 "$qt/plugins/$plugin" "$folder/$plugin"
done

# The DLLs the program and the plug-ins import, and the ones those import.
declare -A seen=()
queue=("$folder/vorn.exe")
for plugin in "${plugins[@]}"; do queue+=("$folder/$plugin"); done
system_dlls=()
while [ ${#queue[@]} -gt 0 ]; do
  file=${queue[0]}
  queue=("${queue[@]:1}")
  while read -r dll; do
    key=${dll,,}
    [ -n "${seen[$key]:-}" ] && continue
    seen[$key]=1
    found=$(find_dll "$dll")
    if [ -z "$found" ]; then
      system_dlls+=("$dll")
      continue
    fi
    install -m 644 "$found" "$folder/$(basename "$found")"
    queue+=("$folder/$(basename "$found")")
  done < <(imports_of "$file")
done

# No symbols a player's machine has no use for: MinGW's runtime DLLs carry
# their debugging information.
find "$folder" \( -name '*.dll' -o -name '*.exe' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +

install -m 644 "$repo/desktop/windows/qt.conf" "$folder/qt.conf"
# Notepad and every other Windows editor read these best with CR LF.
sed 's/$/\r/' "$repo/LICENSE" >"$folder/LICENSE.txt"
sed "s/@VERSION@/$version/; s/\$/\r/" "$repo/desktop/windows/README.txt" >"$folder/README.txt"
find "$folder" -exec touch -h -d "@$epoch" {} +

echo "package: $name: $(cd "$folder" && find . -type f | sort | sed 's|^\./||' | tr '\n' ' ')"
echo "package: left to Windows' own DLLs: $(printf '%s\n' "${system_dlls[@]}" | sort -f | tr '\n' ' ')"

# Into a new archive: zip adds to one left by an interrupted run, with its
# stale entries. Without extra fields (-X), which would carry the files' change times, and
# with the times in UTC, whatever the builder's time zone.
rm -f "$zip.partial" "$setup.partial"
(cd "$work" && find "$name" -type f | LC_ALL=C sort | TZ=UTC zip -q -X -D -9 "$zip.partial" -@) ||
  fail "the zip could not be written to $output"
mv "$zip.partial" "$zip"

"$here/make-installer.sh" "$folder" "$version" "$build/desktop/windows/vorn.ico" "$setup.partial"
mv "$setup.partial" "$setup"
echo "package: $zip ($(stat -c %s "$zip") bytes)"
echo "package: $setup ($(stat -c %s "$setup") bytes)"
