#pragma once

#include "sound/PlaybackTimer.h"
#include "sound/SoundBackend.h"
#include "window/SoundOutput.h"

#include <chrono>
#include <memory>
#include <optional>

// The process's sound service: the rules of the flags, one sound at a time.
//
// A sound that cannot be read plays nothing; there is no default sound. With
// Snd::kNoStop a new sound is dropped while another still plays; otherwise
// it cuts the old one off. A synchronous sound blocks the caller for its
// whole length and lets no event run meanwhile; asked to loop as well, it
// plays once, since nothing could stop it. Every sound holds the service for
// its duration on the timer, so timing and the no-stop rule are the same
// whether the backend reaches a device or plays into silence.
class SoundService : public SoundOutput {
public:
    SoundService(std::unique_ptr<SoundBackend> backend, std::unique_ptr<PlaybackTimer> timer);
    ~SoundService() override;

    void play(std::span<const std::byte> image, SoundFlags flags) override;
    void stop() override;

    // True while a sound plays: for its duration, or until stopped when it loops.
    bool playing();

    // The service that plays through the system's sound output (the sound
    // server, or winmm). There is one per process: made when first asked
    // for, it lasts while anybody holds it.
    static std::shared_ptr<SoundService> shared();

private:
    std::unique_ptr<SoundBackend> backend;
    std::unique_ptr<PlaybackTimer> timer;
    std::optional<std::chrono::microseconds> soundEnd;  // set while a sound plays
    // Until the backend is stopped: a synchronous sound's end may still be
    // sounding on a late server after the sound's length.
    bool backendHolds = false;
};
