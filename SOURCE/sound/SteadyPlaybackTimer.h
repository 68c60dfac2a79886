#pragma once

#include "sound/PlaybackTimer.h"

// Real time from the monotonic clock; sleeping blocks the thread outright.
class SteadyPlaybackTimer : public PlaybackTimer {
public:
    std::chrono::microseconds now() override;
    void sleepUntil(std::chrono::microseconds time) override;
};
