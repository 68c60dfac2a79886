#pragma once

#include "sound/PlaybackTimer.h"
#include "support/VirtualClock.h"

#include <memory>

// The sound service's time line on the virtual clock: a synchronous sound
// moves the clock on by its length, rounded up to the next millisecond, and
// lets no scripted input run meanwhile; that input runs at the next yield.
class VirtualPlaybackTimer : public PlaybackTimer {
public:
    explicit VirtualPlaybackTimer(std::shared_ptr<VirtualClock> clock) : clock(std::move(clock)) {}

    std::chrono::microseconds now() override;
    void sleepUntil(std::chrono::microseconds time) override;

private:
    std::shared_ptr<VirtualClock> clock;
};
