#pragma once

#include "sound/SoundBackend.h"

#include <memory>

// The backend that plays through the platform's sound service: the
// PulseAudio client library on Linux, winmm's PlaySoundA on Windows. The
// build compiles the one file of the platform that defines it.
std::unique_ptr<SoundBackend> makeSystemSoundBackend();
