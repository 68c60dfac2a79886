# Helpers for the Wayland end-to-end test: a private Weston on its headless
# back end, its protocol log, and screenshots of its output.

# fail, expect_equal, expect_same and capture_settled are the same as on X.
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"

# Room for the window with its decorations beside Weston's panel.
readonly kOutputWidth=640
readonly kOutputHeight=600

# Starts Weston with a socket in a private XDG_RUNTIME_DIR, logging every
# client's protocol requests to $weston_log, and points Qt at it.
start_wayland_session() {
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
  export WAYLAND_DISPLAY=vorn-e2e QT_QPA_PLATFORM=wayland
  unset DISPLAY
  weston_log="$XDG_RUNTIME_DIR/weston.log"
  # --debug offers the screenshooter; --idle-time=0 keeps the output from fading out.
  weston --backend=headless-backend.so --use-pixman --debug --no-config --idle-time=0 \
         --socket="$WAYLAND_DISPLAY" --width=$kOutputWidth --height=$kOutputHeight \
         --log="$weston_log" --logger-scopes=log,proto &
  weston_pid=$!
  for _ in $(seq 200); do
    grep -q "launching .*weston-desktop-shell" "$weston_log" 2>/dev/null && return 0
    kill -0 "$weston_pid" 2>/dev/null || fail "Weston ended at start-up"
    sleep 0.1
  done
  fail "Weston did not start"
}

stop_wayland_session() {
  if [ -n "${weston_pid:-}" ]; then
    kill "$weston_pid" 2>/dev/null || true
    wait "$weston_pid" 2>/dev/null || true
  fi
  [ -n "${XDG_RUNTIME_DIR:-}" ] && rm -rf "$XDG_RUNTIME_DIR"
}

# Prints the arguments of the first request named $1 in the protocol log
# ("448, 469" for set_min_size(448, 469)).
logged_request() {
  grep -m 1 -oE "\.$1\([^)]*\)" "$weston_log" | sed -E 's/^[^(]*\((.*)\)$/\1/'
}

# Waits until the client that titled a window $1 has attached a buffer to a
# surface, that is, has drawn the window once, while the process $2 runs.
wait_for_window() {
  for _ in $(seq 600); do
    kill -0 "$2" 2>/dev/null || fail "the program ended before its window showed"
    awk -v title="set_title(\"$1\")" '
      index($0, title) { client = $4 }
      client != "" && $4 == client && /rq wl_surface@[0-9]+\.attach\(wl_buffer/ { found = 1; exit }
      END { exit !found }' "$weston_log" && return 0
    sleep 0.1
  done
  fail "no window titled '$1' showed"
}

# Writes the output as it is now to $1. The screenshooter names its file by
# the time of day, so each shot is taken in a directory of its own (inside
# the session's, so that stop_wayland_session removes it whatever happens).
take_screenshot() {
  local shooting
  shooting=$(mktemp -d -p "$XDG_RUNTIME_DIR")
  (cd "$shooting" && weston-screenshooter) || fail "weston-screenshooter failed"
  mv "$shooting"/wayland-screenshot-*.png "$1"
  rm -rf "$shooting"
}
