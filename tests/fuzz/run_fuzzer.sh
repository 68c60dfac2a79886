#!/usr/bin/env bash
# Runs one libFuzzer target: replays its committed seeds, then fuzzes for the
# given seconds. The seeds are only read; new inputs go to WORK/corpus and a
# crash, hang or leak to WORK/findings. Without WORK a temporary directory is
# used and removed afterwards, unless the run failed.
#   run_fuzzer.sh TARGET SEEDS SECONDS [WORK]
set -euo pipefail
[ $# -ge 3 ] || { echo "usage: $0 TARGET SEEDS SECONDS [WORK]" >&2; exit 2; }
target=$1 seeds=$2 seconds=$3
# Far above any input's real cost; an input that takes longer is a hang.
hang_seconds=10

if [ $# -ge 4 ]; then
  work=$4
else
  work=$(mktemp -d)
  trap 'status=$?; if [ $status -eq 0 ]; then rm -rf "$work"; else echo "Fuzz findings kept in $work/findings" >&2; fi' EXIT
fi
mkdir -p "$work/corpus" "$work/findings"

"$target" -max_total_time="$seconds" -timeout="$hang_seconds" -print_final_stats=1 \
  -artifact_prefix="$work/findings/" "$work/corpus" "$seeds"
