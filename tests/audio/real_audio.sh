#!/usr/bin/env bash
# The real audio path: a null sink (in the running sound server, or in a
# private one where none runs), the six cues played through the real window
# and sound service, the sink's monitor recorded and measured. The sink, any
# private server and the helpers end with the test.
set -euo pipefail
source "$(dirname "$0")/pulse_session.sh"
play=$(realpath "$1")
measure=$(realpath "$2")
rate=44100
work=$(mktemp -d)
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null || true
    wait "${pids[i]}" 2>/dev/null || true
  done
  pulse_session_stop
  rm -rf "$work"
}
trap cleanup EXIT

pulse_session_start "$work" $rate

# A stream of zeros that asks for a low latency: the null sink starts out
# mixing two seconds ahead, and only a stream's request brings that down, once
# the first block has run out. Sounds started before then would be cut off
# before they were mixed.
pacat --raw --format=s16le --rate=$rate --channels=1 --latency-msec=20 /dev/zero &
pids+=($!)
for _ in $(seq 50); do
  latency=$(pactl list sinks | awk -v sink="$PULSE_SINK" \
    '/^Sink #/ { ours = 0 } $1 == "Name:" && $2 == sink { ours = 1 } ours && $1 == "Latency:" { print $2; exit }')
  [ -n "$latency" ] && [ "$latency" -lt 50000 ] && break
  sleep 0.1
done
echo "sink latency: ${latency:-unknown} us"
parecord --raw --device="$pulse_monitor" --format=s16le --rate=$rate --channels=1 --latency-msec=20 \
  "$work/monitor.raw" &
recorder=$!
pids+=($recorder)
sleep 0.5

QT_QPA_PLATFORM=offscreen "$play"
sleep 0.3
kill -INT "$recorder"
wait "$recorder" || true

# The cues' lengths in milliseconds, in the order played.
"$measure" "$work/monitor.raw" $rate 230.8 497.6 1564.4 975.2 780.9 1123.2
echo "real audio: passed"
