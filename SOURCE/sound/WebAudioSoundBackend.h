#pragma once

#include "sound/SoundBackend.h"

// Plays through the page's Web Audio context: each sound's samples are
// copied into an audio buffer and played from there, so a stop is the last
// time its image is read. A browser lets a page sound only once the player
// has pressed something on it; until the page's context runs (the page
// starts it at the first press), and where the browser has no sound, a sound
// plays nothing, and the service holds it for its length in silence.
class WebAudioSoundBackend : public SoundBackend {
public:
    ~WebAudioSoundBackend() override;

    void start(const PcmSound& sound, bool loop) override;
    void stop() override;
    // The browser plays the buffer on its own clock: there is nothing to wait for.
    void drain(std::chrono::microseconds) override {}
};
