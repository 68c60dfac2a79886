#!/usr/bin/env bash
# The real audio path: a private PulseAudio server with a null sink, the six
# cues played through the real window and sound service, the sink's monitor
# recorded and measured. The server and its helpers end with the test.
set -euo pipefail
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
  rm -rf "$work"
}
trap cleanup EXIT

# Everything of this server lives in the temporary directory, also when run as root.
export HOME=$work XDG_RUNTIME_DIR=$work/runtime PULSE_RUNTIME_PATH=$work/runtime PULSE_STATE_PATH=$work/state
mkdir -p "$XDG_RUNTIME_DIR" "$PULSE_STATE_PATH"
chmod 700 "$XDG_RUNTIME_DIR"
socket=$XDG_RUNTIME_DIR/native
export PULSE_SERVER=unix:$socket
printf 'autospawn = no\n' > "$work/client.conf"
export PULSE_CLIENTCONFIG=$work/client.conf

pulseaudio -n --daemonize=no --system=false --use-pid-file=false --exit-idle-time=-1 \
  --log-target=file:"$work/pulse.log" \
  -L "module-null-sink sink_name=vorn_test rate=$rate" \
  -L "module-native-protocol-unix socket=$socket auth-anonymous=1" &
pids+=($!)
for _ in $(seq 100); do
  pactl info >/dev/null 2>&1 && break
  sleep 0.1
done
pactl info >/dev/null || { cat "$work/pulse.log"; echo "real audio: the server did not start"; exit 1; }

# A stream of zeros that asks for a low latency: the null sink starts out
# mixing two seconds ahead, and only a stream's request brings that down, once
# the first block has run out. Sounds started before then would be cut off
# before they were mixed.
pacat --raw --format=s16le --rate=$rate --channels=1 --latency-msec=20 /dev/zero &
pids+=($!)
for _ in $(seq 50); do
  latency=$(pactl list sinks | sed -n 's/^[[:space:]]*Latency: \([0-9]*\) usec.*/\1/p' | head -n1)
  [ -n "$latency" ] && [ "$latency" -lt 50000 ] && break
  sleep 0.1
done
echo "sink latency: ${latency:-unknown} us"
parecord --raw --device=vorn_test.monitor --format=s16le --rate=$rate --channels=1 --latency-msec=20 \
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
