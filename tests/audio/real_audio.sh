#!/usr/bin/env bash
# The real audio path: a null sink (in the running sound server, or in a
# private one where none runs), the six cues played through the real window
# and sound service, the sink's monitor recorded and measured. The sink, any
# private server and the helpers end with the test. The programs of the
# Windows build (.exe) run under Wine, whose PulseAudio driver plays into the
# same sink; the browser's (tests/web/play_cues.py) in Chromium, which does too.
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
# Wine hands a Windows program Linux's QT_X as WINEQT_X only. The browser's
# build plays in Chromium with a window (on a private X server) and measures
# in Node.js.
run() {
  case "$1" in
    *.exe) WINEQT_QPA_PLATFORM=${QT_QPA_PLATFORM:-} wine "$@" ;;
    *.py) xvfb-run -a python3 "$@" ;;
    *.js) node "$@" ;;
    *) "$@" ;;
  esac
}

pulse_session_start "$work" $rate

pulse_session_low_latency $rate
parecord --raw --device="$pulse_monitor" --format=s16le --rate=$rate --channels=1 --latency-msec=20 \
  "$work/monitor.raw" &
recorder=$!
pids+=($recorder)
sleep 0.5

# In the work directory: the window writes its top-players file where it runs.
(cd "$work" && QT_QPA_PLATFORM=offscreen run "$play")
sleep 0.3
kill -INT "$recorder"
wait "$recorder" || true

# winmm under Wine starts a sound 20 to 45 ms after the call (its PulseAudio
# driver streams in 10 ms periods), while the hold waits at most 20 ms past
# the sound's length, as on Linux: the next sound may cut off up to some
# 25 ms of a cue there, and an underrun may lengthen one.
tolerance=()
case "$play" in *.exe) tolerance=(--tolerance 35 45) ;; esac
# The cues' lengths in milliseconds, in the order played.
run "$measure" "${tolerance[@]}" "$work/monitor.raw" $rate 230.8 497.6 1564.4 975.2 780.9 1123.2
echo "real audio: passed"
