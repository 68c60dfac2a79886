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

# Nothing of ours may be mounted in the cache: every mount is made in a private
# mount namespace. Refuse to delete anything if that ever does not hold.
mounted_under() { awk -v dir="$1/" 'index($5 "/", dir) == 1 { found = 1 } END { exit !found }' /proc/self/mountinfo; }
remove_tree() {
  [ -e "$1" ] || return 0
  if mounted_under "$1"; then
    echo "test-fresh: something is mounted under $1; left as it is" >&2
    return 1
  fi
  rm -rf --one-file-system "$1"
}

# Runs a command in new mount and PID namespaces: when it ends, or this
# script dies (even of SIGKILL), every process it started is killed and its
# mounts go.
isolated=(setpriv --pdeathsig KILL unshare --mount --propagation private --pid --fork --kill-child=KILL --mount-proc)

inner_pid=
run_dir=
cleanup() {
  local status=$?
  trap - EXIT INT TERM
  if [ -n "$inner_pid" ]; then
    kill -KILL "$inner_pid" 2>/dev/null || true
    wait "$inner_pid" 2>/dev/null || true
  fi
  [ -n "$run_dir" ] && remove_tree "$run_dir"
  remove_tree "$cache/tmp" || true
  rm -f "$base.partial"
  exit "$status"
}
trap cleanup EXIT
trap 'echo "test-fresh: interrupted" >&2; exit 130' INT TERM

# What an interrupted run left: a half-made system, a run's tree, mmdebstrap's
# temporary directories.
for leftover in "$cache"/*.partial "$cache/runs" "$cache/tmp"; do remove_tree "$leftover"; done

# Runs "$@" in the background, so that a signal reaches the trap at once.
in_background() { "$@" 9>&- & inner_pid=$!; local status=0; wait "$inner_pid" || status=$?; inner_pid=; return "$status"; }

check_mirror() {
  local release
  release=$(mktemp)
  if ! /usr/lib/apt/apt-helper download-file "$mirror/dists/$dist/Release" "$release" >/dev/null 2>&1; then
    rm -f "$release"
    fail "the mirror $mirror does not answer for $dist (its Release file could not be fetched); set VORN_FRESH_MIRROR to one that does"
  fi
  rm -f "$release"
}

make_base() {
  echo "test-fresh: making a clean minbase $dist system (cached in $base)"
  check_mirror
  mkdir -p "$cache/tmp"
  if ! in_background "${isolated[@]}" env TMPDIR="$cache/tmp" mmdebstrap --variant=minbase --mode=root --format=tar \
      "$dist" "$base.partial" \
      "deb $mirror $dist main" \
      "deb $mirror $dist-updates main" \
      "deb $security_mirror $dist-security main"; then
    fail "mmdebstrap could not make the $dist system from $mirror (its messages are above)"
  fi
  mv "$base.partial" "$base"
}

if [ ! -f "$base" ] || [ -z "$(find "$base" -mmin "-$max_age_minutes")" ]; then
  make_base
else
  check_mirror
fi

mkdir -p "$cache/runs"
run_dir=$(mktemp -d "$cache/runs/$dist.XXXXXX")
root=$run_dir/root
mkdir "$root"
tar -x -C "$root" -f "$base"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mkdir "$root/root/vorn"
git -C "$repo" ls-files -z --cached --others --exclude-standard | (cd "$repo" && tar -c --null -T -) | tar -x -C "$root/root/vorn"
install -m 755 "$here/fresh-steps.sh" "$root/root/fresh-steps.sh"

echo "test-fresh: $dist from $mirror in $root"
# The system's own /dev, /proc and /sys, and fresh /tmp, /run and /dev/shm:
# what the X servers, Weston and the private sound server expect.
in_background "${isolated[@]}" bash -c '
  set -e
  root=$1; shift
  mount --rbind /dev "$root/dev"
  mount -t tmpfs -o mode=1777 tmpfs "$root/dev/shm"
  mount -t proc proc "$root/proc"
  mount --rbind /sys "$root/sys"
  mount -t tmpfs -o mode=1777 tmpfs "$root/tmp"
  mount -t tmpfs -o mode=755 tmpfs "$root/run"
  exec chroot "$root" /usr/bin/env -i HOME=/root USER=root LOGNAME=root SHELL=/bin/bash \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 TERM=dumb CI=true \
    /root/fresh-steps.sh "$@"' _ "$root" "$dist" "${first_packages[@]}"
