# Sourced by tools/windows/run.sh and tools/web/run.sh, which set step (the
# script to run), needs (the package lists it needs) and name (the messages'
# prefix, and the make target's name): runs the step on
# Debian 13 once those packages are installed, and elsewhere as root in a
# clean Debian 13 system, made with mmdebstrap as `make test-fresh` makes one,
# with the packages of every cross-build and its tests in it (one system
# serves both), cached in the cross-builds' cache (tools/windows/cache.sh) and
# made anew when a week old or when the lists change; the repository and the
# cache are mounted into it at their own paths.
cross_repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$cross_repo/tools/windows/cache.sh"

fail() { echo "$name: $*" >&2; exit 1; }

if [ "$(. /etc/os-release && echo "${VERSION_ID:-}")" = 13 ]; then
  "$cross_repo/tools/install-deps.sh" "${needs[@]}"
  if [ "${1:-}" = test ]; then
    list=$("$cross_repo/tools/sound-server-present.sh") || "$cross_repo/tools/install-deps.sh" "$list"
  fi
  exec "$step"
fi

release=$(. /etc/os-release && echo "${PRETTY_NAME:-this system}")
[ "$(id -u)" -eq 0 ] ||
  fail "$release is not Debian 13: make $name runs in a Debian 13 system made with mmdebstrap, which needs root (sudo make $name)"
"$cross_repo/tools/install-deps.sh" packages-fresh.txt

dist=trixie
mirror=${VORN_WINDOWS_MIRROR:-http://deb.debian.org/debian}
security_mirror=${VORN_WINDOWS_SECURITY_MIRROR:-http://deb.debian.org/debian-security}
max_age_minutes=$((7 * 24 * 60))
# One system for building and testing for Windows and for the browser: the
# packages of their lists, and PulseAudio for the tests' private sound server.
mapfile -t packages < <(cd "$cross_repo/tools" && grep -h -v -E '^\s*(#|$)' packages-windows.txt packages-windows-test.txt \
  packages-web.txt packages-web-test.txt packages-test-sound-server.txt | sort -u)
key=$(printf '%s\n' "$mirror" "${packages[@]}" | sha256sum | cut -c1-12)
system=$windows_cache/$dist-windows-$key.tar

mkdir -p "$windows_cache"
windows_cache_lock "$windows_cache/.system-lock" "$name" || exit 1

source "$cross_repo/tools/debian-system.sh"
debian_clean_up_after "$name" "$windows_cache/system-tmp" "$system"

# What an interrupted run left, and systems made from other lists.
for leftover in "$windows_cache"/*.partial "$windows_cache/runs" "$windows_cache/system-tmp"; do
  debian_remove_tree "$leftover"
done
find "$windows_cache" -maxdepth 1 -name "$dist-windows-*.tar" ! -name "$(basename "$system")" -delete

if [ ! -f "$system" ] || [ -z "$(find "$system" -mmin "-$max_age_minutes")" ]; then
  echo "$name: making a clean Debian 13 system with the cross-builds' packages (cached in $system)"
  debian_make_system "$system" "$dist" "$mirror" "$security_mirror" VORN_WINDOWS_MIRROR "$windows_cache/system-tmp" \
    "${packages[@]}"
fi

debian_unpack "$system" "$windows_cache/runs"
root=$debian_root
echo "$name: in a Debian 13 system ($root)"
debian_enter_environment=("VORN_WINDOWS_CACHE=$windows_cache" "VORN_WINDOWS_MIRROR=$mirror"
                          "VORN_WINDOWS_SECURITY_MIRROR=$security_mirror" ${CI:+CI=$CI})
debian_enter "$root" "$cross_repo" "$windows_cache" -- "$step"
