#!/usr/bin/env bash
# `make windows` and `make test-windows`:
#   tools/windows/run.sh build|test
# The Windows program is always made with Debian 13's toolchain (Qt 6.8.2,
# MinGW-w64 GCC 14), so that every build of it is the same whoever makes it.
# On Debian 13 the steps run here, once the packages of
# tools/packages-windows.txt (and for the tests packages-windows-test.txt)
# are installed. On another release they run as root in a clean Debian 13
# system, made with mmdebstrap as `make test-fresh` makes one, with those
# packages in it, cached in the Windows cache (tools/windows/cache.sh) and
# made anew when a week old or when the lists change; the repository and the
# cache are mounted into it at their own paths.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
source "$here/cache.sh"

fail() { echo "windows: $*" >&2; exit 1; }

# test.sh builds what is missing first.
case "${1:-}" in
  build) step=$here/build.sh needs=(packages-windows.txt) ;;
  test) step=$here/test.sh needs=(packages-windows.txt packages-windows-test.txt) ;;
  *) fail "usage: $0 build|test" ;;
esac

if [ "$(. /etc/os-release && echo "${VERSION_ID:-}")" = 13 ]; then
  "$repo/tools/install-deps.sh" "${needs[@]}"
  if [ "${1:-}" = test ]; then
    list=$("$repo/tools/sound-server-present.sh") || "$repo/tools/install-deps.sh" "$list"
  fi
  exec "$step"
fi

release=$(. /etc/os-release && echo "${PRETTY_NAME:-this system}")
[ "$(id -u)" -eq 0 ] ||
  fail "$release is not Debian 13: the Windows build runs in a Debian 13 system made with mmdebstrap, which needs root (sudo make windows)"
"$repo/tools/install-deps.sh" packages-fresh.txt

dist=trixie
mirror=${VORN_WINDOWS_MIRROR:-http://deb.debian.org/debian}
security_mirror=${VORN_WINDOWS_SECURITY_MIRROR:-http://deb.debian.org/debian-security}
max_age_minutes=$((7 * 24 * 60))
# One system for building and testing: the packages of both lists, and
# PulseAudio for the tests' private sound server.
mapfile -t packages < <(cd "$repo/tools" && grep -h -v -E '^\s*(#|$)' packages-windows.txt packages-windows-test.txt \
  packages-test-sound-server.txt | sort -u)
key=$(printf '%s\n' "$mirror" "${packages[@]}" | sha256sum | cut -c1-12)
system=$windows_cache/$dist-windows-$key.tar

mkdir -p "$windows_cache"
windows_cache_lock "$windows_cache/.system-lock" windows || exit 1

source "$repo/tools/debian-system.sh"
debian_clean_up_after windows "$windows_cache/system-tmp" "$system"

# What an interrupted run left, and systems made from other lists.
for leftover in "$windows_cache"/*.partial "$windows_cache/runs" "$windows_cache/system-tmp"; do
  debian_remove_tree "$leftover"
done
find "$windows_cache" -maxdepth 1 -name "$dist-windows-*.tar" ! -name "$(basename "$system")" -delete

if [ ! -f "$system" ] || [ -z "$(find "$system" -mmin "-$max_age_minutes")" ]; then
  echo "windows: making a clean Debian 13 system with the Windows build's packages (cached in $system)"
  debian_make_system "$system" "$dist" "$mirror" "$security_mirror" VORN_WINDOWS_MIRROR "$windows_cache/system-tmp" \
    "${packages[@]}"
fi

debian_unpack "$system" "$windows_cache/runs"
root=$debian_root
echo "windows: in a Debian 13 system ($root)"
debian_enter_environment=("VORN_WINDOWS_CACHE=$windows_cache" "VORN_WINDOWS_MIRROR=$mirror"
                          "VORN_WINDOWS_SECURITY_MIRROR=$security_mirror" ${CI:+CI=$CI})
debian_enter "$root" "$repo" "$windows_cache" -- "$step"
