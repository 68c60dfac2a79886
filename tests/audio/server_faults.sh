#!/usr/bin/env bash
# The sound server's faults, through the real window and sound service: every
# cue must still hold the game for its length, and nothing may crash or hang.
#   server_faults.sh HOLD_CUES missing     no server answers from the start
#   server_faults.sh HOLD_CUES killed MS   a private server is killed MS
#                                          milliseconds into a cue (0: while
#                                          the cue's stream connects)
# Where a player's sound server runs, "killed" is skipped (status 77): it
# kills only a server of its own, and starts none beside a running one.
set -euo pipefail
source "$(dirname "$0")/pulse_session.sh"
hold=$(realpath "$1")
fault=$2
work=$(mktemp -d)
cleanup() {
  pulse_session_stop
  rm -rf "$work"
}
trap cleanup EXIT
# The window writes its top-players file where it runs.
cd "$work"

case $fault in
  missing)
    # An address where nothing listens, and no server started on demand.
    printf 'autospawn = no\n' > client.conf
    PULSE_SERVER=unix:$work/nobody PULSE_CLIENTCONFIG=$work/client.conf QT_QPA_PLATFORM=offscreen "$hold"
    ;;
  killed)
    if pactl info >/dev/null 2>&1; then
      echo "server faults: skipped: a sound server runs here, and this test kills only a private one of its own"
      exit 77
    fi
    pulse_session_start "$work"
    pulse_session_low_latency
    QT_QPA_PLATFORM=offscreen "$hold" --kill "$pulse_server_pid" "$3"
    ! kill -0 "$pulse_server_pid" 2>/dev/null || { echo "server faults: the server was not killed"; exit 1; }
    ;;
  *)
    echo "usage: server_faults.sh HOLD_CUES missing|killed MS" >&2
    exit 2
    ;;
esac
echo "server faults ($fault): passed"
