#!/usr/bin/env bash
# `make bench`: every figure of the benchmark in one run (a few minutes),
# printed as one table against the budgets and written to BUILD/bench.json.
# The sound goes into a null sink of a PulseAudio session (tests/audio/
# pulse_session.sh) where one can be had; the cue figures are null where not.
set -euo pipefail
build=$(realpath "${1:-build}")
here=$(dirname "$(realpath "$0")")
bench=$build/bench/vorn_bench
figures=$build/bench-figures.txt
for program in "$bench" "$build/vorn"; do
  [ -x "$program" ] || { echo "bench: $program is missing; build first" >&2; exit 1; }
done

work=$(mktemp -d)
# Whatever the measurements leave in temporary directories goes with this one.
export TMPDIR=$work
source "$here/../tests/audio/pulse_session.sh"
cleanup() {
  pulse_session_stop
  rm -rf "$work"
}
trap cleanup EXIT

sound=0
if pulse_session_start "$work/pulse"; then
  sound=1
  # As in the real-audio test: a sink mixing at a player's latency, not the
  # two seconds ahead that an idle null sink starts with.
  pulse_session_low_latency >&2
else
  echo "bench: no sound server could be had; the cue figures will be null" >&2
fi

step() { echo "bench: $1" >&2; }

# Runs one in-process measurement into the figures.
measure() {
  "$bench" "$1" >"$work/$1"
  cat "$work/$1" >>"$figures"
}
: >"$figures"
step "pace at levels 1, 5 and 10 (about 30 s)"
measure pace
step "CPU of the shipped waits and of the busy wait, 20 s each"
measure cost
step "redraw cost and landings on the virtual clock"
measure throughput
step "the real program under Xvfb: start-up, CPU, wakeups, memory (about 2 min)"
bash "$here/whole_process.sh" "$build/vorn" "$bench" >>"$figures"
if ((sound)); then
  step "the six cues through the real window, heard at the null sink's monitor"
  measure cues
else
  printf '%s null\n' cue_first_sample_ms cue_sync_extra_ms cue_sync_earliest_ms cue_timing_accuracy_ms >>"$figures"
fi
echo
"$bench" report "$figures" "$build/bench.json"
echo "bench: figures written to $build/bench.json"
