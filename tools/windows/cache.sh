# Sourced by the Windows build's scripts: where the built Qt (and, on a host
# other than Debian 13, the Debian 13 system it is built in) is kept.
# VORN_WINDOWS_CACHE moves it; root's is /var/cache/vorn-windows, anybody
# else's in their own cache folder.
if [ -n "${VORN_WINDOWS_CACHE:-}" ]; then
  windows_cache=$VORN_WINDOWS_CACHE
elif [ "$(id -u)" -eq 0 ]; then
  windows_cache=/var/cache/vorn-windows
else
  windows_cache=${XDG_CACHE_HOME:-$HOME/.cache}/vorn-windows
fi

# Takes the cache's lock FILE (on descriptor 9, held until the script ends)
# for the script named WHAT. Where another build holds it, waits for that
# build to end, at most VORN_WINDOWS_LOCK_WAIT seconds (an hour: a Qt build
# takes about 20 minutes), and says so; returns 1 when the wait ran out.
windows_cache_lock() {
  local file=$1 what=$2 limit=${VORN_WINDOWS_LOCK_WAIT:-3600}
  exec 9>"$file"
  flock -n 9 && return 0
  echo "$what: another build is using $(dirname "$file"); waiting for it to end (at most $limit s)" >&2
  flock -w "$limit" 9 && return 0
  echo "$what: another build still held $file after $limit s; try again once it has ended" >&2
  return 1
}
