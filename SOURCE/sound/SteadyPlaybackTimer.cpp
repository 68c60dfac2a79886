#include "sound/SteadyPlaybackTimer.h"

#include <thread>

std::chrono::microseconds SteadyPlaybackTimer::now()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch());
}

void SteadyPlaybackTimer::sleepUntil(std::chrono::microseconds time)
{
    // A sleep may end a little early: MinGW's runtime sleeps in whole
    // milliseconds, rounded down. What is left is slept rounded up, so that a
    // sound is never held short and the wait never spins.
    auto now = this->now();
    if (now < time) std::this_thread::sleep_for(time - now);
    for (now = this->now(); now < time; now = this->now())
        std::this_thread::sleep_for(std::chrono::ceil<std::chrono::milliseconds>(time - now));
}
