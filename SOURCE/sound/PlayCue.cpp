// The game's sound cues.
#include "window/Form1.h"

#include "sound/EmbedSound.h"

void Form1::PlayCue(Integer cue)
{
    if (stopGame) return;
    // A holder without a sound is silent, and the game goes on either way.
    EmbedSound1(cue)->PlaySound();
}
