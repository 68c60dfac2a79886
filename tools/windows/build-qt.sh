#!/usr/bin/env bash
# Builds Qt's base module for 64-bit Windows from Debian's own qt6-base source
# package, with Debian's MinGW-w64, the host's Qt tools (moc, rcc, uic) serving
# as the host Qt, and prints the folder it is installed in:
#   tools/windows/build-qt.sh CACHE
# The built Qt is kept in CACHE under its source version and a digest of the
# options, and reused. It is built in CACHE/tmp and moved into place only
# once installed whole, so an interrupted build leaves nothing that is
# trusted: the next run removes its leftovers and builds again. A build that
# finds another one building waits for it (windows_cache_lock in cache.sh)
# and then takes the Qt it made.
# VORN_WINDOWS_MIRROR names the Debian mirror of the source (Debian's own by
# default); the user's apt configuration is left as it is.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cache=${1:?usage: $0 CACHE}
mirror=${VORN_WINDOWS_MIRROR:-http://deb.debian.org/debian}
security_mirror=${VORN_WINDOWS_SECURITY_MIRROR:-http://deb.debian.org/debian-security}

fail() { echo "build-qt: $*" >&2; exit 1; }

# The Qt that every Windows build is made with: Debian 13's.
qt_version=6.8.2
suite=trixie
toolchain=$here/mingw-w64-x86_64.cmake

# Only what the game and its tests use: Core, Gui, Widgets, Test, the windows
# and offscreen platform plug-ins and the modern Windows style. OpenGL stays
# on: the windows plug-in does not build without it, and it is loaded only
# when asked for. So does Direct2D: Qt 6.8.2's DirectWrite font code does not
# build without it; its platform plug-in is built but not shipped. Qt's bundled zlib, PCRE2, HarfBuzz, FreeType and libpng
# stand in for the system's, which a Windows system does not have. Debian's
# source leaves out Wacom's tablet header (its licence forbids changes), so
# the windows plug-in is built without tablet events; a pen still moves the
# pointer and clicks.
qt_options=(
  -DCMAKE_BUILD_TYPE=Release
  -DBUILD_SHARED_LIBS=ON
  -DQT_UNITY_BUILD=ON
  -DQT_BUILD_EXAMPLES=OFF
  -DQT_BUILD_TESTS=OFF
  -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_sql=OFF
  -DFEATURE_network=OFF
  -DFEATURE_dbus=OFF
  -DFEATURE_printsupport=OFF
  -DFEATURE_concurrent=OFF
  -DFEATURE_xml=OFF
  -DFEATURE_vulkan=OFF
  -DFEATURE_icu=OFF
  -DFEATURE_glib=OFF
  -DFEATURE_fontconfig=OFF
  -DFEATURE_gif=OFF
  -DFEATURE_ico=OFF
  -DFEATURE_jpeg=OFF
  -DFEATURE_tabletevent=OFF
  -DFEATURE_system_zlib=OFF
  -DFEATURE_system_pcre2=OFF
  -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_freetype=OFF
  -DFEATURE_system_png=OFF
)

for tool in x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-windres cmake ninja dpkg-source apt-get sha256sum; do
  command -v "$tool" >/dev/null || fail "$tool is missing (tools/packages-windows.txt lists what the Windows build needs)"
done

# The host's Qt tools generate code for the Windows Qt, so their version must
# be the source's own.
host_moc=/usr/lib/qt6/libexec/moc
[ -x "$host_moc" ] || fail "the host's Qt tools ($host_moc, package qt6-base-dev-tools) are missing"
host_version=$("$host_moc" -v | awk '{ print $2 }')
[ "$host_version" = "$qt_version" ] ||
  fail "the host's Qt tools are Qt $host_version; the Windows build is made with Debian 13's Qt $qt_version (on another release, make windows runs in a Debian 13 system)"
source_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev-tools)
dev_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev 2>/dev/null) ||
  fail "the host's Qt CMake files (package qt6-base-dev) are missing"
[ "$dev_version" = "$source_version" ] ||
  fail "qt6-base-dev ($dev_version) and qt6-base-dev-tools ($source_version) come from different qt6-base versions"

digest=$(printf '%s\n' "${qt_options[@]}" | cat - "$toolchain" | sha256sum | cut -c1-12)
prefix=$cache/qt-$source_version-$digest
built() { [ -f "$prefix/lib/cmake/Qt6/Qt6Config.cmake" ]; }
if built; then
  echo "$prefix"
  exit 0
fi

mkdir -p "$cache"
source "$here/cache.sh"
windows_cache_lock "$cache/.qt-lock" build-qt || exit 1
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
rm -rf "$cache/tmp"
mkdir -p "$cache/tmp"
work=$(mktemp -d "$cache/tmp/qt.XXXXXX")

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

echo "build-qt: configuring and building Qt $qt_version for Windows (about 20 minutes on two cores)" >&2
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
echo "build-qt: Qt $qt_version for Windows built in $(((SECONDS - start) / 60)) min $(((SECONDS - start) % 60)) s, $(du -sh "$prefix" | cut -f1) in $prefix" >&2
echo "$prefix"
