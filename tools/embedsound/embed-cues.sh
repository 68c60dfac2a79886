#!/usr/bin/env bash
# Embeds zvuk/Vorn1.wav .. Vorn6.wav into Form1's saved description, as the
# author did: each holder gets its file and plays synchronously, cutting off
# any sound before it, once. Run it after changing a cue file:
#   tools/embedsound/embed-cues.sh build/tools/embedsound/embedsound
set -euo pipefail
tool=$(realpath "$1")
# The saved paths are relative to SOURCE/, as the author typed them.
cd "$(dirname "$0")/../../SOURCE"
for cue in 1 2 3 4 5 6; do
  "$tool" window/Form1.desc "$cue" "SndFile=..\\zvuk\\Vorn$cue.wav" LoopSnd=False SyncSnd=True StopSnd=True
done
