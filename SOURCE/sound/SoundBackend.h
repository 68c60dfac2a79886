#pragma once

#include "sound/WavImage.h"

#include <chrono>

// Where the sound service sends the sound it has decided to play: an output
// device, or in tests a recorder. It holds one sound at a time.
class SoundBackend {
public:
    virtual ~SoundBackend() = default;

    // Starts the sound from its samples in place, over and over when looping.
    virtual void start(const PcmSound& sound, bool loop) = 0;
    // Ends the sound; once this returns its samples are never read again.
    virtual void stop() = 0;
    // Waits, at most limit, until the device has played out what it was given.
    virtual void drain(std::chrono::microseconds limit) = 0;
};
