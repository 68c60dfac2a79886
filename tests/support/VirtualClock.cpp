#include "support/VirtualClock.h"

#include <QtGlobal>

void VirtualClock::at(std::int32_t time, std::function<void()> action)
{
    script.emplace(time, std::move(action));
}

bool VirtualClock::runDue()
{
    bool ran = false;
    while (!script.empty() && script.begin()->first <= now) {
        auto action = std::move(script.begin()->second);
        script.erase(script.begin());
        ++handling;
        action();
        --handling;
        ran = true;
    }
    return ran;
}

void VirtualClock::doEvents()
{
    ++yields;
    if (onYield) onYield(now);
    runDue();
}

void VirtualClock::waitForEvents(std::int32_t deadline)
{
    if (handlingInput()) qFatal("input handled during a yield waited: a browser cannot suspend inside a suspension");
    ++yields;
    ++waits;
    if (onYield) onYield(deadline);
    if (runDue() || tickReached(now, deadline)) return;
    if (!script.empty() && script.begin()->first < deadline) {
        now = script.begin()->first;
        runDue();
    } else {
        now = deadline;
    }
    if (now > limit) qFatal("virtual clock passed %d ms: the game does not end", limit);
}
