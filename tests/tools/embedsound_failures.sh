#!/usr/bin/env bash
# A sound file that cannot be embedded fails embedsound and leaves the
# description as it was; embed-cues.sh stops at the first failure.
#   embedsound_failures.sh EMBEDSOUND SOURCE_DIR
set -euo pipefail
tool=$(realpath "$1")
source_dir=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "embedsound failures: $*"; exit 1; }

cd "$work"
cp "$source_dir/SOURCE/window/Form1.desc" original.desc
cp "$source_dir/zvuk/Vorn1.wav" good.wav
: > empty.wav

for file in missing.wav empty.wav; do
  cp original.desc Form1.desc
  status=0
  QT_QPA_PLATFORM=offscreen "$tool" Form1.desc 1 "SndFile=$file" SyncSnd=False > out.txt 2>&1 || status=$?
  grep -q "EmbedSound Error" out.txt || fail "$file: no error reported: $(cat out.txt)"
  [ "$status" -ne 0 ] || fail "$file: exit status 0 after an EmbedSound Error"
  cmp -s original.desc Form1.desc || fail "$file: the description changed"
done

# The same call with a good file succeeds: the failures above are the file's.
cp original.desc Form1.desc
QT_QPA_PLATFORM=offscreen "$tool" Form1.desc 1 SndFile=good.wav > out.txt 2>&1 || fail "good.wav: $(cat out.txt)"

# embed-cues.sh with a stand-in tool that fails at the third cue.
cat > stand-in.sh <<STANDIN
#!/usr/bin/env bash
echo "\$2" >> "$work/calls.txt"
[ "\$2" != 3 ]
STANDIN
chmod +x stand-in.sh
if bash "$source_dir/tools/embedsound/embed-cues.sh" "$work/stand-in.sh"; then
  fail "embed-cues.sh succeeded although a cue failed"
fi
[ "$(tr '\n' ' ' < calls.txt)" = "1 2 3 " ] || fail "embed-cues.sh went on after the failed cue: $(tr '\n' ' ' < calls.txt)"
echo "embedsound failures: passed"
