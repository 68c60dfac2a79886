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
