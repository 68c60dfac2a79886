#pragma once

#include "support/YieldKinds.h"
#include "window/Clock.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// The shipped clock, passed through, noting when each of the game's pauses
// began on a fine clock. The game reads the tick just before a pause, and
// the pause's first wait carries its deadline: so a wait with a new deadline
// starts a pause of deadline minus that tick.
class PauseRecorder : public Clock {
public:
    struct Pause {
        std::int32_t length;  // ms, as the game asked for it
        YieldKind kind;
        std::chrono::steady_clock::time_point start;
    };

    explicit PauseRecorder(std::shared_ptr<Clock> shipped);

    std::int32_t tickCount() override;
    void doEvents() override;
    void waitForEvents(std::int32_t deadline) override;
    void beginPreciseTiming() override { shipped->beginPreciseTiming(); }
    void endPreciseTiming() override { shipped->endPreciseTiming(); }

    // Asked as each pause begins.
    std::function<YieldKind(std::int32_t length)> kindOf;
    // Runs after each pause is noted, inside the game's yield.
    std::function<void()> onPause;
    std::vector<Pause> pauses;

private:
    std::shared_ptr<Clock> shipped;
    std::int32_t lastTick = 0;
    std::chrono::steady_clock::time_point lastTickAt;
    std::optional<std::int32_t> pauseDeadline;
};
