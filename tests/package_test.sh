#!/usr/bin/env bash
# The Debian package from end to end: its file list and relations, then an
# install with apt-get, a start of the installed program under a private X
# server until its window shows, a close of that window, and a removal that
# leaves no file of the package behind. Run by `make package-test`, as root,
# on a machine where the package is not installed yet.
#   package_test.sh BUILD_DIR
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/e2e/x_session.sh"
[ "$(id -u)" -eq 0 ] || fail "installing the package needs root"

shopt -s nullglob
debs=("$build"/vorn_*.deb)
[ ${#debs[@]} -eq 1 ] || fail "expected one vorn_*.deb in $build, found ${#debs[@]}"
deb=$(realpath "${debs[0]}")
[ "$(basename "$deb")" = vorn_1.00_amd64.deb ] || fail "the package is $(basename "$deb")"
status=$(dpkg-query -W -f='${Status}' vorn 2>/dev/null || true)
[ "$status" != "install ok installed" ] || fail "vorn is installed already; remove it first (apt-get remove vorn)"

# Contents: the files of an install under /usr, the manual page compressed,
# and the package's own copyright and changelog.
expected=$( (sed 's|^share/man/.*|&.gz|' "$here/installed-files.txt"
             printf '%s\n' share/doc/vorn/changelog.gz share/doc/vorn/copyright) | sort)
files=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./usr/||' | sort)
diff <(echo "$expected") <(echo "$files") >&2 \
  || fail "the package's files are not those of installed-files.txt (< expected, > packaged)"

# Relations: the libraries found by dpkg-shlibdeps, and what it cannot see.
# The sound plays through libpulse; Qt Multimedia is no part of the program.
field() { dpkg-deb --field "$deb" "$1"; }
echo "Version: $(field Version)"
echo "Depends: $(field Depends)"
echo "Recommends: $(field Recommends)"
[ "$(field Version)" = 1.00 ] || fail "the package's version is $(field Version)"
depends=",$(field Depends | tr -d ' '),"
# Debian 13 renamed some libraries for the 64-bit time_t move (libqt6core6t64).
for package in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libpulse0 fonts-comic-neue; do
  [[ $depends == *",$package"?(t64)[,\(]* ]] || fail "Depends lacks $package"
done
[[ $depends != *",libqt6multimedia6"?(t64)[,\(]* ]] || fail "Depends names libqt6multimedia6"
[ "$(field Recommends)" = qt6-wayland ] || fail "Recommends is not qt6-wayland"

# Install; from here on a failure removes the package again.
export DEBIAN_FRONTEND=noninteractive
playground=$(mktemp -d)
installed=false
clean_up() {
  [ -n "${vorn_pid:-}" ] && kill "$vorn_pid" 2>/dev/null || true
  stop_x_session
  rm -rf "$playground"
  if $installed; then apt-get remove -y vorn > /dev/null || true; fi
}
trap clean_up EXIT
installed=true
apt-get install -y "$deb" > /dev/null
owned=$(dpkg -L vorn | while IFS= read -r path; do [ -d "$path" ] || echo "$path"; done)
echo "Installed files:"
echo "$owned" | sed 's/^/  /'
[ "$(PATH=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games command -v vorn)" = /usr/games/vorn ] \
  || fail "vorn is not on a user's default path as /usr/games/vorn"
man -w 6 vorn > /dev/null || fail "man finds no vorn(6)"

# Start the installed program where its top-players file may be written: its
# window must show, and a close of the window must end it with status 0.
start_x_session
(cd "$playground" && exec /usr/games/vorn > /dev/null 2>&1) &
vorn_pid=$!
find_window "Vorn v2.00" > /dev/null
wmctrl -c "Vorn v2.00"
expect_exit "$vorn_pid" 0
[ -f "$playground/Vorn.nrz" ] || fail "the installed vorn did not create Vorn.nrz in its directory"

# Remove: no file that the package installed may remain.
installed=false
apt-get remove -y vorn > /dev/null
left=$(echo "$owned" | while IFS= read -r path; do [ ! -e "$path" ] || echo "$path"; done)
[ -z "$left" ] || fail "left behind after apt-get remove: $left"
echo "package test: $(basename "$deb") installs, shows its window, closes and removes cleanly"
