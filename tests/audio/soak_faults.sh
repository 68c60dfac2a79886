#!/usr/bin/env bash
# The sound server's faults over and over: server_faults.sh's cases in turn,
# each kill a little earlier or later than the last, until KILLS kills.
#
#   soak_faults.sh HOLD_CUES MEASURE_RECORDING KILLS [LOG_DIR]
#
# Prints kills, aborts, hangs and the worst hold error over all cases; fails
# where the game aborted or hung, a cue held off its length by more than
# kToleranceMs, or a case failed otherwise (a cue not heard). The logs of the
# failed cases stay in LOG_DIR.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
hold=$1
measure=$2
wanted=$3
logs=${4:-$(mktemp -d)}
mkdir -p "$logs"
tolerance_ms=50
phases=(before connecting playing draining between missing restarted)

# The kill's moment in round R, spread over the phase's window: the first few
# milliseconds of the connection; the whole of the 497.6 ms cue that plays;
# from 5 ms before the cue's end to 15 ms after it, where its end drains.
moment() {
  local phase=$1 round=$2
  case $phase in
    connecting) echo $((round % 4)) ;;
    playing) echo $((20 + (round * 37) % 460)) ;;
    draining) echo $((round % 21 - 5)) ;;
  esac
}

# Each case's server starts while the case before it runs.
source "$here/server_faults.sh"
pulse_session_skip_beside_running_server
next_work=
next_ready=
prepare_next() {
  next_work=$(mktemp -d)
  (server_faults_prepare "$next_work" "$1" >"$next_work.log" 2>&1) &
  next_ready=$!
}
cleanup() {
  if [ -n "$next_work" ]; then
    wait "$next_ready" || true
    private_server_stop "$next_work"
    rm -rf "$next_work" "$next_work.log"
  fi
}
trap cleanup EXIT

kills=0 aborts=0 hangs=0 worst=0 cases=0 failed=0 round=0
prepare_next "${phases[0]}"
while [ "$kills" -lt "$wanted" ]; do
  for i in "${!phases[@]}"; do
    phase=${phases[i]}
    at=$(moment "$phase" $round)
    log=$logs/case.log
    status=0
    wait "$next_ready" || status=$?
    work=$next_work
    mv "$work.log" "$log"
    prepare_next "${phases[(i + 1) % ${#phases[@]}]}"
    if [ $status -eq 0 ]; then
      bash "$here/server_faults.sh" --prepared "$work" "$hold" "$measure" "$phase" $at >> "$log" 2>&1 || status=$?
    else
      private_server_stop "$work"
      rm -rf "$work"
    fi
    cases=$((cases + 1))
    summary=$(tail -n 1 "$log")
    if [[ $summary =~ ^server\ faults\ \(.*\):\ kills\ ([0-9]+),\ aborts\ ([0-9]+),\ hangs\ ([0-9]+),\ worst\ hold\ error\ ([0-9.]+|unknown)\ ms$ ]]; then
      kills=$((kills + BASH_REMATCH[1]))
      aborts=$((aborts + BASH_REMATCH[2]))
      hangs=$((hangs + BASH_REMATCH[3]))
      case_worst=${BASH_REMATCH[4]}
      [ "$case_worst" = unknown ] || worst=$(awk -v a="$worst" -v b="$case_worst" 'BEGIN { print (b > a ? b : a) }')
    else
      status=1
    fi
    if [ $status -ne 0 ]; then
      failed=$((failed + 1))
      mv "$log" "$logs/failed-$cases-$phase${at:+-at-$at}.log"
      echo "case $cases ($phase${at:+ at $at ms}) failed: $summary"
    fi
  done
  round=$((round + 1))
  echo "after $cases cases: kills $kills, aborts $aborts, hangs $hangs, worst hold error $worst ms"
done
rm -f "$logs/case.log"

echo "soak-audio: kills $kills, aborts $aborts, hangs $hangs, worst hold error $worst ms, $failed of $cases cases failed"
[ "$failed" -gt 0 ] && echo "soak-audio: the failed cases' logs are in $logs"
awk -v worst="$worst" -v limit=$tolerance_ms 'BEGIN { exit !(worst <= limit) }' &&
  [ "$aborts" -eq 0 ] && [ "$hangs" -eq 0 ] && [ "$failed" -eq 0 ]
