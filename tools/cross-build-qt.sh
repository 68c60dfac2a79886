# Builds Qt's base module from Debian's own qt6-base source package for
# another system, with the host's Qt tools (moc, rcc, uic) serving as the host
# Qt, and prints the folder it is installed in. Sourced by the build-qt.sh of
# tools/windows/ and tools/web/, which set first:
#   cache        where built Qts are kept (their first argument)
#   qt_for       the system, as the messages name it
#   qt_name      the start of the installed Qt's folder name, and of its lock's
#   qt_tools     the commands the build needs; qt_packages the list naming them
#   toolchain    CMake's toolchain file; qt_options, Qt's configure options
#   qt_minutes   how long a build takes, for the message
# and may define qt_prepare WORK, run before configuring.
# The built Qt is kept in CACHE under its source version and a digest of the
# options, and reused. It is built in CACHE/tmp and moved into place only
# once installed whole, so an interrupted build leaves nothing that is
# trusted: the next run removes its leftovers and builds again. A build that
# finds another one building waits for it (windows_cache_lock in
# tools/windows/cache.sh) and then takes the Qt it made.
# VORN_WINDOWS_MIRROR names the Debian mirror of the source (Debian's own by
# default); the user's apt configuration is left as it is.
cross_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
mirror=${VORN_WINDOWS_MIRROR:-http://deb.debian.org/debian}
security_mirror=${VORN_WINDOWS_SECURITY_MIRROR:-http://deb.debian.org/debian-security}

fail() { echo "build-qt: $*" >&2; exit 1; }

# The Qt that every cross-build is made with: Debian 13's.
qt_version=6.8.2
suite=trixie

for tool in "${qt_tools[@]}" cmake ninja dpkg-source apt-get sha256sum; do
  command -v "$tool" >/dev/null || fail "$tool is missing (tools/$qt_packages lists what the $qt_for build needs)"
done

# The host's Qt tools generate code for the cross-built Qt, so their version must
# be the source's own.
host_moc=/usr/lib/qt6/libexec/moc
[ -x "$host_moc" ] || fail "the host's Qt tools ($host_moc, package qt6-base-dev-tools) are missing"
host_version=$("$host_moc" -v | awk '{ print $2 }')
[ "$host_version" = "$qt_version" ] ||
  fail "the host's Qt tools are Qt $host_version; the $qt_for build is made with Debian 13's Qt $qt_version (on another release, it runs in a Debian 13 system)"
source_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev-tools)
dev_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev 2>/dev/null) ||
  fail "the host's Qt CMake files (package qt6-base-dev) are missing"
[ "$dev_version" = "$source_version" ] ||
  fail "qt6-base-dev ($dev_version) and qt6-base-dev-tools ($source_version) come from different qt6-base versions"

digest=$(printf '%s\n' "${qt_options[@]}" | cat - "$toolchain" | sha256sum | cut -c1-12)
prefix=$cache/$qt_name-$source_version-$digest
built() { [ -f "$prefix/lib/cmake/Qt6/Qt6Config.cmake" ]; }
if built; then
  echo "$prefix"
  exit 0
fi

mkdir -p "$cache"
source "$cross_here/windows/cache.sh"
windows_cache_lock "$cache/.$qt_name-lock" build-qt || exit 1
# A build that held the lock meanwhile may have made this very Qt.
if built; then
  echo "$prefix"
  exit 0
fi

work=
step_pid=
cleanup() {
  local status=$?
  trap - EXIT INT TERM
  if [ -n "$step_pid" ]; then
    kill -TERM -- "-$step_pid" 2>/dev/null || true
    wait "$step_pid" 2>/dev/null || true
  fi
  [ -n "$work" ] && rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT
trap 'echo "build-qt: interrupted; the half-built Qt is removed" >&2; exit 130' INT TERM HUP

# What an interrupted build left behind.
rm -rf "$cache/tmp/$qt_name"
mkdir -p "$cache/tmp/$qt_name"
work=$(mktemp -d "$cache/tmp/$qt_name/qt.XXXXXX")

# A build needs about 4 GB in the cache's file system (sources, objects and
# the installed Qt); say so at once rather than half an hour in.
free_kb=$(df -Pk "$cache" | awk 'NR == 2 { print $4 }')
[ "$free_kb" -ge $((5 * 1024 * 1024)) ] ||
  fail "the Qt build needs about 5 GB free in $cache; there are $((free_kb / 1024)) MB"

echo "build-qt: fetching qt6-base $source_version from $mirror" >&2
apt_dir=$work/apt
mkdir -p "$apt_dir/lists/partial" "$apt_dir/archives/partial" "$work/source"
keyring=/usr/share/keyrings/debian-archive-keyring.gpg
cat >"$apt_dir/sources.list" <<SOURCES
deb-src [signed-by=$keyring] $mirror $suite main
deb-src [signed-by=$keyring] $mirror $suite-updates main
deb-src [signed-by=$keyring] $security_mirror $suite-security main
SOURCES
apt=(apt-get -q -o "Dir::Etc::SourceList=$apt_dir/sources.list" -o Dir::Etc::SourceParts=/nonexistent
     -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir" -o "Dir::Cache::Archives=$apt_dir/archives"
     -o APT::Sandbox::User=root)
"${apt[@]}" update >"$work/apt.log" 2>&1 && ! grep -q '^\(W\|E\):' "$work/apt.log" ||
  { cat "$work/apt.log" >&2; fail "the mirror $mirror could not be read for $suite's sources (set VORN_WINDOWS_MIRROR to one that answers)"; }
(cd "$work/source" && "${apt[@]}" source --only-source "qt6-base=$source_version") >"$work/source.log" 2>&1 ||
  { cat "$work/source.log" >&2; fail "qt6-base $source_version (the host's Qt) could not be fetched from $mirror"; }
source_dir=$(find "$work/source" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
[ -n "$source_dir" ] || fail "qt6-base $source_version was fetched but did not unpack (dpkg-source's messages are in $work/source.log)"

echo "build-qt: configuring and building Qt $qt_version for $qt_for ($qt_minutes)" >&2
start=$SECONDS
# Each step runs in a process group of its own, in the background, so that
# an interrupt reaches the trap at once and the trap can end the whole step.
build_step() {
  local what=$1
  shift
  setsid "$@" >>"$work/build.log" 2>&1 &
  step_pid=$!
  if ! wait "$step_pid"; then
    step_pid=
    tail -n 40 "$work/build.log" >&2
    if [ "$(df -Pk "$cache" | awk 'NR == 2 { print $4 }')" -lt 102400 ]; then
      fail "$what failed: the disk of $cache is full"
    fi
    fail "$what failed (the end of its messages is above)"
  fi
  step_pid=
}
if declare -F qt_prepare >/dev/null; then qt_prepare "$work"; fi
build_step "configuring Qt" cmake -S "$source_dir" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  "${qt_options[@]}"
build_step "building Qt" cmake --build "$work/build" --parallel "$(nproc)"
build_step "installing Qt" env DESTDIR="$work/staging" cmake --install "$work/build" --strip
# The whole Qt appears at once, or not at all.
[ -f "$work/staging$prefix/lib/cmake/Qt6/Qt6Config.cmake" ] || fail "the installed Qt lacks its CMake package"
# Never into a folder already there (mv would put the new Qt inside it):
# one without the CMake package is not a Qt, and under the lock no build
# is using it.
rm -rf "$prefix"
mv -T "$work/staging$prefix" "$prefix"
echo "build-qt: Qt $qt_version for $qt_for built in $(((SECONDS - start) / 60)) min $(((SECONDS - start) % 60)) s, $(du -sh "$prefix" | cut -f1) in $prefix" >&2
echo "$prefix"
