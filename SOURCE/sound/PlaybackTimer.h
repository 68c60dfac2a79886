#pragma once

#include <chrono>

// The time line on which the sound service measures sounds.
class PlaybackTimer {
public:
    virtual ~PlaybackTimer() = default;

    virtual std::chrono::microseconds now() = 0;
    // Blocks the calling thread until now() reaches time; handles no events.
    virtual void sleepUntil(std::chrono::microseconds time) = 0;
};
