#pragma once

#include "sound/SoundBackend.h"
#include "support/VirtualClock.h"

#include <memory>
#include <vector>

// A sound backend that only notes, at the virtual time, what it was told:
// what the service actually let sound.
class RecordingBackend : public SoundBackend {
public:
    enum class Kind { Start, Stop, Drain };
    struct Event {
        Kind kind;
        std::int32_t at;
        std::span<const std::byte> samples;  // Start only
        bool loop = false;                   // Start only
    };

    explicit RecordingBackend(std::shared_ptr<VirtualClock> clock) : clock(std::move(clock)) {}

    void start(const PcmSound& sound, bool loop) override { events.push_back({Kind::Start, clock->now, sound.samples, loop}); }
    void stop() override { events.push_back({Kind::Stop, clock->now, {}, false}); }
    void drain(std::chrono::microseconds) override { events.push_back({Kind::Drain, clock->now, {}, false}); }

    int count(Kind kind) const;

    std::vector<Event> events;

private:
    std::shared_ptr<VirtualClock> clock;
};
