# Sourced by the cross-builds' build.sh (tools/windows/, tools/web/), which
# set here (their folder), tree (their build tree) and fail, and take
# --tests: the targets to build (the game alone, or with --tests everything),
# the release's date for every file's time, start, the cached Qt in qt, and a
# tree that starts anew when it was configured against another Qt.
source "$here/../windows/cache.sh"
targets=(--target vorn)
[ "${1:-}" = --tests ] && targets=()

# The release's date stands for every file's time (rcc writes the pictures'
# times into the program), so that two builds give the same bytes.
SOURCE_DATE_EPOCH=$(date -d "$(sed -n 's/^ -- .*>  //p' "$here/../../debian/changelog" | head -n 1)" +%s)
export SOURCE_DATE_EPOCH

start=$SECONDS
qt=$("$here/build-qt.sh" "$windows_cache") || exit 1

# A tree configured against another Qt (the cache's key changed) starts anew.
if [ -f "$tree/CMakeCache.txt" ] && ! grep -qxF "CMAKE_PREFIX_PATH:UNINITIALIZED=$qt" "$tree/CMakeCache.txt"; then
  rm -rf "$tree"
fi
