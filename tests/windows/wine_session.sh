# Sourced by the Windows end-to-end tests, after start_x_session. Wine's
# desktop belongs to the first program of the prefix's server and keeps the
# display that program found: a server left by an earlier test (on no
# display, or on that test's X server) would show no window on this one. So
# each test ends whatever server runs, and its own at its end.
wine_session_restart() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
}
