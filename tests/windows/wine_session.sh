# Sourced by the Windows end-to-end tests, with tests/e2e/x_session.sh.
#
# Wine's desktop belongs to the first program of the prefix's server and
# keeps the display that program found: a server left by an earlier test (on
# no display, or on that test's X server) would show no window on this one.
# So each test ends whatever server runs when it starts, and its own at its
# end.
wine_session_restart() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
}

# Starts a private X server and a Wine server of the test's own on it, and
# makes the work folder $work; all of it goes when the test ends.
start_wine_x_session() {
  start_x_session
  wine_session_restart
  work=$(mktemp -d)
  trap 'wine_session_restart; stop_x_session; rm -rf "$work"' EXIT
}

# Unpacks the portable zip $1 into $work and sets package to the program's
# folder. Nothing then points Wine at the build's DLLs or Qt's plug-ins, so
# the program finds only what the package holds.
unpack_package() {
  (cd "$work" && cmake -E tar xf "$1")
  package=$(dirname "$(find "$work" -name vorn.exe)")
  unset WINEPATH WINEQT_PLUGIN_PATH WINEQT_QPA_PLATFORM
}

# The text of the first message box in Wine's +msgbox trace $1, as the trace
# writes it; waits up to 30 s for the box.
message_box_text() {
  for _ in $(seq 300); do grep -q MSGBOX_OnInit "$1" && break; sleep 0.1; done
  sed -n 's/.*MSGBOX_OnInit L"\(.*\)"\r*$/\1/p' "$1" | head -n 1
}

# Runs a Windows program that is to show one message box in a window titled
# $1 and to end once the box is closed, and closes the box. Sets message_text
# to the box's text and message_status to the program's exit status.
answer_message_box() {
  local title=$1 log=$work/message-box.log pid
  shift
  WINEDEBUG=+msgbox wine "$@" >"$log" 2>&1 &
  pid=$!
  message_text=$(message_box_text "$log")
  [ -n "$message_text" ] || fail "$* showed no message box"
  find_window "$title" >/dev/null
  wmctrl -c "$title"
  message_status=0
  wait "$pid" || message_status=$?
}
