#pragma once

#include "sound/SoundService.h"
#include "support/RecordingBackend.h"
#include "support/VirtualClock.h"
#include "window/SoundOutput.h"

#include <QByteArray>

#include <memory>
#include <vector>

// The tests' sound output: notes every request with its virtual time, then
// passes it to the real sound service, which plays into a recording backend
// on the virtual clock. So the flags' rules hold as in the game, and a
// synchronous sound moves the virtual clock on by its length.
class RecordingSoundOutput : public SoundOutput {
public:
    struct Request {
        std::span<const std::byte> image;
        SoundFlags flags;
        std::int32_t at;
    };

    explicit RecordingSoundOutput(std::shared_ptr<VirtualClock> clock);

    void play(std::span<const std::byte> image, SoundFlags flags) override;
    void stop() override;

    // What the service let sound, after its rules.
    const RecordingBackend& heard() const { return *backend; }
    bool playing() { return service.playing(); }

    std::vector<Request> requests;
    int stops = 0;
    // Read at each stop of a sound still playing, as a player reads it up to
    // then: the samples must still be where they were started from.
    std::vector<QByteArray> samplesAtStop;

private:
    RecordingSoundOutput(std::shared_ptr<VirtualClock> clock, std::unique_ptr<RecordingBackend> backend);

    std::shared_ptr<VirtualClock> clock;
    RecordingBackend* backend;  // owned by the service
    SoundService service;
};
