#include "sound/SteadyPlaybackTimer.h"

#include <thread>

std::chrono::microseconds SteadyPlaybackTimer::now()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch());
}

void SteadyPlaybackTimer::sleepUntil(std::chrono::microseconds time)
{
    std::this_thread::sleep_until(std::chrono::steady_clock::time_point(time));
}
