#pragma once

#include "window/Clock.h"

#include <functional>
#include <map>

// A clock that stands still until the code yields. A wait jumps straight to
// the next scripted input or to its deadline, so a whole game takes
// milliseconds of real time and always runs the same way.
class VirtualClock : public Clock {
public:
    std::int32_t tickCount() override { return now; }
    void doEvents() override;
    void waitForEvents(std::int32_t deadline) override;
    void beginPreciseTiming() override { ++preciseTimingHolds; }
    void endPreciseTiming() override { --preciseTimingHolds; }

    // Runs action once the clock reaches time (actions due together run in the order given).
    void at(std::int32_t time, std::function<void()> action);
    void after(std::int32_t delay, std::function<void()> action) { at(now + delay, std::move(action)); }

    // True while scripted input runs, inside a yield. In a browser a wait
    // suspends the game's stack, and a suspension cannot begin inside
    // another: input that waits, or plays a cue that holds the game, is
    // fatal here, in every suite.
    bool handlingInput() const { return handling > 0; }

    // Called at every yield, before scripted input runs; deadline is the
    // wait's end, or the current time for a plain yield.
    std::function<void(std::int32_t deadline)> onYield;

    std::int32_t now = 0;
    int yields = 0;
    int waits = 0;
    // Begun less ended: 1 while a game runs, 0 once it is over.
    int preciseTimingHolds = 0;
    // A game that runs past this virtual time is taken to be stuck.
    std::int32_t limit = 24 * 60 * 60 * 1000;

private:
    bool runDue();

    std::multimap<std::int32_t, std::function<void()>> script;
    int handling = 0;
};
