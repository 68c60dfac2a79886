// The game's sound cues.
#include "window/Form1.h"

void Form1::PlayCue(Integer cue)
{
    // The sound holders that carry the cues are not on the window yet.
    Q_UNUSED(cue);
}
