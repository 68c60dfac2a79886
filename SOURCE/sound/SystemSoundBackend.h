#pragma once

#include "sound/PlaybackTimer.h"
#include "sound/SoundBackend.h"

#include <memory>

// The backend that plays through the platform's sound service: the
// PulseAudio client library on Linux, winmm's PlaySoundA on Windows, Web
// Audio in a browser. The build compiles the one file of the platform that
// defines these.
std::unique_ptr<SoundBackend> makeSystemSoundBackend();
// The timer that holds the game for a sound's length: the thread sleeps on
// the desktop, the page on a browser timer.
std::unique_ptr<PlaybackTimer> makeSystemPlaybackTimer();
