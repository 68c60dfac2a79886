#!/usr/bin/env bash
# After a CTest run: one line with how many of the real-audio tests (label
# "audio") ran and how many skipped, which CTest's own summary counts as passed.
#   real_audio_summary.sh BUILD_DIR JUNIT_RESULTS
set -euo pipefail
build=$1
results=$2
mapfile -t names < <(cd "$build" && ctest -N -L audio | sed -n 's/^ *Test *#[0-9]*: //p')
ran=0 skipped=0
for name in "${names[@]}"; do
  case $(sed -n "s/.*<testcase name=\"$name\" .*status=\"\([a-z]*\)\".*/\1/p" "$results") in
    run | fail) ran=$((ran + 1)) ;;
    notrun) skipped=$((skipped + 1)) ;;
  esac
done
if [ $skipped -eq 0 ]; then
  echo "real-audio tests: $ran ran, 0 skipped"
else
  echo "real-audio tests: $ran ran, $skipped skipped (their output says why: no sound server to be had, or one already runs beside which the fault cases start none)"
fi
