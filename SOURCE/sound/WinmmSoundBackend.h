#pragma once

#include "sound/SoundBackend.h"

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <list>
#include <mutex>
#include <span>
#include <thread>
#include <vector>

// Plays through winmm's PlaySoundA, handing it the WAVE image in place
// (SND_MEMORY) and never letting it fall back on a default sound
// (SND_NODEFAULT). A sound that ends plays synchronously on a thread of its
// own, so that the service learns when winmm has played it out, as it does
// from a sound server: winmm opens its device at the first sound and starts
// each sound a little late, and the hold waits for that, within its limit.
// A looping sound plays asynchronously, which is how winmm repeats one.
// winmm documents no moment after which such a sound has stopped reading its
// image, neither when the call returns nor when a stop does: a looping sound
// plays from a copy the backend keeps, one per image, until the backend goes.
//
// PlaySoundA plays one sound at a time for the whole process, and a call
// that plays nothing (a null sound) ends whatever plays. Without a sound
// device the synchronous call fails at once, and the service holds the
// sound for its length in silence.
class WinmmSoundBackend : public SoundBackend {
public:
    WinmmSoundBackend() = default;
    ~WinmmSoundBackend() override;
    WinmmSoundBackend(const WinmmSoundBackend&) = delete;
    WinmmSoundBackend& operator=(const WinmmSoundBackend&) = delete;

    void start(const PcmSound& sound, bool loop) override;
    void stop() override;
    void drain(std::chrono::microseconds limit) override;

private:
    void play(const void* image);
    const void* keptForLooping(std::span<const std::byte> image);

    // Each image a loop has played, once: the game's holders have a handful.
    std::list<std::vector<std::byte>> loopImages;
    std::thread player;  // plays a sound that ends, until it has
    bool looping = false;
    std::mutex mutex;
    std::condition_variable changed;
    bool cancelled = false;  // the sound was stopped: the player starts none
    bool playedOut = false;  // the player's PlaySoundA has returned
};
