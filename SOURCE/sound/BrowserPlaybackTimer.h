#pragma once

#include "sound/SteadyPlaybackTimer.h"

// The browser's hold: the page cannot block its thread, so the hold sleeps
// on a browser timer, and the window's input that arrives meanwhile waits
// until the hold ends, as it waits for a desktop thread that sleeps.
class BrowserPlaybackTimer : public SteadyPlaybackTimer {
public:
    void sleepUntil(std::chrono::microseconds time) override;
};
