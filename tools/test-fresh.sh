#!/usr/bin/env bash
# Tries the README's commands as a new user would, in a clean Debian system:
#   tools/test-fresh.sh bookworm|trixie
# A minbase system made with mmdebstrap is kept as a tarball in the cache
# ($VORN_FRESH_CACHE, by default /var/cache/vorn-fresh) and made anew when it is
# missing or a week old. Each run unpacks an unchanged copy of it, copies in
# the files git tracks or would add, installs only the README's first line
# (make and git), then runs `make run` (the game started offscreen for a few
# seconds), `make test`, `make package` and `make package-test` in it, and
# prints what each took.
# Needs root: it makes the system and mounts /proc, /sys and /dev into it. Its
# mounts and processes live in namespaces of their own, so they end with the
# run however it ends; what an interrupted run left in the cache is removed by
# the next one.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/.." && pwd)

fail() { echo "test-fresh: $*" >&2; exit 1; }

dist=${1:-}
case "$dist" in
  bookworm|trixie) ;;
  *) fail "usage: $0 bookworm|trixie (Debian 12 or 13)" ;;
esac
[ "$(id -u)" -eq 0 ] || fail "needs root: it makes a Debian system with mmdebstrap and mounts /proc, /sys and /dev into it (sudo make test-fresh DIST=$dist)"

mirror=${VORN_FRESH_MIRROR:-http://deb.debian.org/debian}
security_mirror=${VORN_FRESH_SECURITY_MIRROR:-http://deb.debian.org/debian-security}
cache=${VORN_FRESH_CACHE:-/var/cache/vorn-fresh}
base=$cache/$dist-minbase.tar
max_age_minutes=$((7 * 24 * 60))
# The README's first line for a clean system.
first_packages=(make git)

"$here/install-deps.sh" packages-fresh.txt

mkdir -p "$cache"
exec 9>"$cache/.lock"
flock -n 9 || fail "another fresh run is using $cache; wait for it to end"

source "$here/debian-system.sh"

debian_clean_up_after test-fresh "$cache/tmp" "$base"

# What an interrupted run left: a half-made system, a run's tree, mmdebstrap's
# temporary directories.
for leftover in "$cache"/*.partial "$cache/runs" "$cache/tmp"; do debian_remove_tree "$leftover"; done

if [ ! -f "$base" ] || [ -z "$(find "$base" -mmin "-$max_age_minutes")" ]; then
  echo "test-fresh: making a clean minbase $dist system (cached in $base)"
  debian_make_system "$base" "$dist" "$mirror" "$security_mirror" VORN_FRESH_MIRROR "$cache/tmp"
else
  debian_check_mirror "$mirror" "$dist" VORN_FRESH_MIRROR
fi

debian_unpack "$base" "$cache/runs"
root=$debian_root
mkdir "$root/root/vorn"
git -C "$repo" ls-files -z --cached --others --exclude-standard | (cd "$repo" && tar -c --null -T -) | tar -x -C "$root/root/vorn"
install -m 755 "$here/fresh-steps.sh" "$root/root/fresh-steps.sh"

echo "test-fresh: $dist from $mirror in $root"
debian_enter_environment=(CI=true)
debian_enter "$root" -- /root/fresh-steps.sh "$dist" "${first_packages[@]}"
