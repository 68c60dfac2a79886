#!/usr/bin/env bash
# Without any audio driver in the Wine prefix (PulseAudio's, ALSA's and
# OSS's all turned off), winmm has no device: the six cues stay silent, and
# each still holds the game for its length, within 50 ms.
set -euo pipefail
play=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winepulse.drv,winealsa.drv,wineoss.drv=d" \
  WINEQT_QPA_PLATFORM=offscreen wine "$play" | tee "$work/holds.txt"
[ "$(grep -c 'PlayCue returned after' "$work/holds.txt")" -eq 6 ] || { echo "FAIL: not six cues" >&2; exit 1; }
echo "no audio driver: passed"
