# Sourced by the scripts that work in a clean Debian system made with
# mmdebstrap (test-fresh.sh, windows/run.sh). They run as root; the caller
# defines fail MESSAGE.
#
#   debian_check_mirror MIRROR DIST VARIABLE
#                                        fails unless the mirror serves DIST;
#                                        VARIABLE is where the user names it
#   debian_make_system TARBALL DIST MIRROR SECURITY-MIRROR VARIABLE TMP [PACKAGE...]
#                                        a minbase DIST (main, -updates,
#                                        -security) with PACKAGEs, as TARBALL
#   debian_remove_tree DIR               removes DIR unless something is
#                                        mounted under it
#   debian_in_background COMMAND...      runs it where a signal reaches the
#                                        caller's traps at once
#   debian_clean_up_after NAME TMP TARBALL
#                                        from now on, however the caller ends:
#                                        kills what runs in the background,
#                                        removes the unpacked system, TMP and a
#                                        half-made TARBALL; on a signal says
#                                        "NAME: interrupted"
#   debian_unpack TARBALL RUNS           unpacks the system into a new folder
#                                        below RUNS; sets debian_root
#   debian_enter ROOT DIR... -- COMMAND...
#                                        runs COMMAND as root in the system
#                                        unpacked at ROOT, with the host's
#                                        DIRs mounted at the same paths
#
# Every mount and process lives in new mount and PID namespaces: when the
# command ends, or the caller dies (even of SIGKILL), they all go.

debian_isolated=(setpriv --pdeathsig KILL unshare --mount --propagation private --pid --fork --kill-child=KILL --mount-proc)
debian_inner_pid=

debian_mounted_under() { awk -v dir="$1/" 'index($5 "/", dir) == 1 { found = 1 } END { exit !found }' /proc/self/mountinfo; }

# Nothing of ours is ever mounted in a tree being removed, since every mount
# is made in a private namespace; refuse to delete anything if that ever
# does not hold.
debian_remove_tree() {
  [ -e "$1" ] || return 0
  if debian_mounted_under "$1"; then
    echo "debian-system: something is mounted under $1; left as it is" >&2
    return 1
  fi
  rm -rf --one-file-system "$1"
}

debian_in_background() {
  "$@" 9>&- &
  debian_inner_pid=$!
  local status=0
  wait "$debian_inner_pid" || status=$?
  debian_inner_pid=
  return "$status"
}

# Kills what debian_in_background runs; for the caller's exit trap.
debian_stop_background() {
  [ -n "$debian_inner_pid" ] || return 0
  kill -KILL "$debian_inner_pid" 2>/dev/null || true
  wait "$debian_inner_pid" 2>/dev/null || true
  debian_inner_pid=
}

debian_run_dir=
debian_clean_up_after() {
  debian_cleanup_name=$1 debian_cleanup_tmp=$2 debian_cleanup_tarball=$3
  trap debian_clean_up EXIT
  trap 'echo "$debian_cleanup_name: interrupted" >&2; exit 130' INT TERM
}
debian_clean_up() {
  local status=$?
  trap - EXIT INT TERM
  debian_stop_background
  [ -n "$debian_run_dir" ] && debian_remove_tree "$debian_run_dir"
  debian_remove_tree "$debian_cleanup_tmp" || true
  rm -f "$debian_cleanup_tarball.partial"
  exit "$status"
}

debian_unpack() {
  local tarball=$1 runs=$2
  mkdir -p "$runs"
  debian_run_dir=$(mktemp -d "$runs/$(basename "$tarball" .tar).XXXXXX")
  debian_root=$debian_run_dir/root
  mkdir "$debian_root"
  tar -x -C "$debian_root" -f "$tarball"
  cp /etc/resolv.conf "$debian_root/etc/resolv.conf"
}

debian_check_mirror() {
  local mirror=$1 dist=$2 variable=$3 release
  release=$(mktemp)
  if ! /usr/lib/apt/apt-helper download-file "$mirror/dists/$dist/Release" "$release" >/dev/null 2>&1; then
    rm -f "$release"
    fail "the mirror $mirror does not answer for $dist (its Release file could not be fetched); set $variable to one that does"
  fi
  rm -f "$release"
}

debian_make_system() {
  local tarball=$1 dist=$2 mirror=$3 security_mirror=$4 variable=$5 tmp=$6
  shift 6
  local include=()
  [ $# -gt 0 ] && include=("--include=$(IFS=,; echo "$*")")
  debian_check_mirror "$mirror" "$dist" "$variable"
  mkdir -p "$tmp"
  if ! debian_in_background "${debian_isolated[@]}" env TMPDIR="$tmp" mmdebstrap --variant=minbase --mode=root \
      --format=tar "${include[@]}" "$dist" "$tarball.partial" \
      "deb $mirror $dist main" \
      "deb $mirror $dist-updates main" \
      "deb $security_mirror $dist-security main"; then
    rm -f "$tarball.partial"
    fail "mmdebstrap could not make the $dist system from $mirror (its messages are above)"
  fi
  mv "$tarball.partial" "$tarball"
}

# The system's own /dev, /proc and /sys, and fresh /tmp, /run and /dev/shm:
# what X servers, Wine and sound servers expect. The environment is a clean
# root login's, plus the NAME=VALUE pairs of debian_enter_environment.
debian_enter_environment=()
debian_enter() {
  local root=$1
  shift
  local binds=()
  while [ "$1" != -- ]; do binds+=("$1"); shift; done
  shift
  debian_in_background "${debian_isolated[@]}" bash -c '
    set -e
    root=$1; count=$2; shift 2
    mount --rbind /dev "$root/dev"
    mount -t tmpfs -o mode=1777 tmpfs "$root/dev/shm"
    mount -t proc proc "$root/proc"
    mount --rbind /sys "$root/sys"
    mount -t tmpfs -o mode=1777 tmpfs "$root/tmp"
    mount -t tmpfs -o mode=755 tmpfs "$root/run"
    for ((i = 0; i < count; i++)); do
      mkdir -p "$root$1"
      mount --bind "$1" "$root$1"
      shift
    done
    exec chroot "$root" /usr/bin/env -i HOME=/root USER=root LOGNAME=root SHELL=/bin/bash \
      PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 TERM=dumb "$@"' \
    _ "$root" "${#binds[@]}" "${binds[@]}" "${debian_enter_environment[@]}" "$@"
}
