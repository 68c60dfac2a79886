#!/usr/bin/env bash
# The Debian package from end to end: its file list and relations, then an
# install with apt-get, a start of the installed program, and a removal that
# leaves no file of the package behind. Run by `make package-test`, as root,
# on a machine where the package is not installed yet.
#   package_test.sh BUILD_DIR
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || fail "installing the package needs root"

shopt -s nullglob
debs=("$build"/vorn_*.deb)
[ ${#debs[@]} -eq 1 ] || fail "expected one vorn_*.deb in $build, found ${#debs[@]}"
deb=$(realpath "${debs[0]}")
[ "$(basename "$deb")" = vorn_1.00-1_amd64.deb ] || fail "the package is $(basename "$deb")"
status=$(dpkg-query -W -f='${Status}' vorn 2>/dev/null || true)
[ "$status" != "install ok installed" ] || fail "vorn is installed already; remove it first (apt-get remove vorn)"

# Contents: exactly the files of an install, under /usr.
files=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./usr/||' | sort)
diff <(sort "$here/installed-files.txt") <(echo "$files") >&2 \
  || fail "the package's files are not those of installed-files.txt (< expected, > packaged)"

# Relations: the libraries found by dpkg-shlibdeps, and what it cannot see.
field() { dpkg-deb --field "$deb" "$1"; }
echo "Version: $(field Version)"
echo "Depends: $(field Depends)"
echo "Recommends: $(field Recommends)"
[ "$(field Version)" = 1.00-1 ] || fail "the package's version is $(field Version)"
depends=",$(field Depends | tr -d ' '),"
for package in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 fonts-comic-neue; do
  [[ $depends == *",$package"[,\(]* ]] || fail "Depends lacks $package"
done
[ "$(field Recommends)" = qt6-wayland ] || fail "Recommends is not qt6-wayland"

# Install, and start the installed program where its top-players file may
# be written: it must create the file and still be running when stopped.
export DEBIAN_FRONTEND=noninteractive
apt-get install -y "$deb" > /dev/null
owned=$(dpkg -L vorn | while IFS= read -r path; do [ -d "$path" ] || echo "$path"; done)
echo "Installed files:"
echo "$owned" | sed 's/^/  /'
[ "$(command -v vorn)" = /usr/bin/vorn ] || fail "vorn is not on the path as /usr/bin/vorn"
playground=$(mktemp -d)
trap 'rm -rf "$playground"' EXIT
running_seconds=3
started=0
(cd "$playground" && QT_QPA_PLATFORM=offscreen timeout "$running_seconds" vorn > /dev/null 2>&1) || started=$?
# timeout's status 124: the program was still running when it was stopped.
[ "$started" -eq 124 ] || fail "the installed vorn ended by itself with status $started"
[ -f "$playground/Vorn.nrz" ] || fail "the installed vorn did not create Vorn.nrz in its directory"

# Remove: no file that the package installed may remain.
apt-get remove -y vorn > /dev/null
left=$(echo "$owned" | while IFS= read -r path; do [ ! -e "$path" ] || echo "$path"; done)
[ -z "$left" ] || fail "left behind after apt-get remove: $left"
echo "package test: $(basename "$deb") installs, runs and removes cleanly"
