#!/usr/bin/env bash
# One case of the sound server's faults, through the real window and sound
# service (hold_cues.cpp lists the phases): every cue must hold the game for
# its length, the game must neither crash nor hang, and where the server comes
# back, the cues after it must be heard on the null sink's monitor.
#
#   server_faults.sh HOLD_CUES MEASURE_RECORDING PHASE [AT_MS]
#   server_faults.sh --prepared WORKDIR HOLD_CUES MEASURE_RECORDING PHASE [AT_MS]
#       runs in WORKDIR, made ready by server_faults_prepare (soak_faults.sh
#       readies the next case's server while one case runs), and removes it
#
# The server is always a private one of the test's own (private_server.sh),
# also where a player's server runs: only a server the test started is killed.
# Ends with one line for soak_faults.sh:
#   server faults (PHASE): kills K, aborts A, hangs H, worst hold error E ms
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/pulse_session.sh"

# Makes WORKDIR ready for PHASE: the server started, except where it is
# missing at the start.
server_faults_prepare() {
  local work=$1 phase=$2
  private_server_environment "$work"
  [ "$phase" = missing ] || { private_server_start "$work" && private_server_record "$work"; }
}
[ "${BASH_SOURCE[0]}" = "$0" ] || return 0

work=
if [ "$1" = --prepared ]; then
  work=$2
  shift 2
fi
hold=$(realpath "$1")
measure=$(realpath "$2")
phase=$3
at=${4:-}
# Far longer than any case takes; a game stuck past it has hung.
hang_seconds=20

[ -n "$work" ] || pulse_session_skip_beside_running_server
if ! private_server_kind >/dev/null; then
  pulse_session_unavailable "neither PulseAudio nor PipeWire's PulseAudio service is installed to start a private server from" || exit
fi

cleanup() {
  private_server_stop "$work"
  rm -rf "$work"
}
trap cleanup EXIT
if [ -n "$work" ]; then
  private_server_environment "$work"
else
  work=$(mktemp -d)
  server_faults_prepare "$work" "$phase"
fi
# The window writes its top-players file where it runs.
cd "$work"

status=0 started=$SECONDS
QT_QPA_PLATFORM=offscreen timeout -k 5 $hang_seconds "$hold" "$phase" "$work/server.pids" \
  "bash '$here/private_server.sh' start '$work'" $at > hold.log 2>&1 || status=$?
cat hold.log

aborts=0 hangs=0
if [ $status -eq 124 ] || { [ $status -ge 128 ] && [ $((SECONDS - started)) -ge $hang_seconds ]; }; then
  hangs=1
  echo "server faults: the game hung: still playing after $hang_seconds s"
elif [ $status -ge 128 ]; then
  aborts=1
  echo "server faults: the game died of signal $((status - 128))"
fi
kills=$(grep -c '^killed the server' hold.log || true)
worst=$(sed -n 's/^worst hold error: \([0-9.]*\) ms$/\1/p' hold.log)

heard=$(sed -n 's/^heard: //p' hold.log)
if [ $status -eq 0 ] && [ -n "$heard" ]; then
  private_server_end_helpers "$work"
  # shellcheck disable=SC2086 # one length an argument
  "$measure" heard.raw "$private_server_default_rate" $heard || status=1
fi

echo "server faults ($phase): kills $kills, aborts $aborts, hangs $hangs, worst hold error ${worst:-unknown} ms"
exit $((status == 0 ? 0 : 1))
