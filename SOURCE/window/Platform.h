#pragma once

#include "window/Clock.h"
#include "window/RandomSource.h"

#include <memory>

// The platform services the window is given: production plugs in Qt's,
// tests plug in a virtual clock and a scripted random source.
struct Platform {
    std::unique_ptr<Clock> clock;
    std::unique_ptr<RandomSource> random;
};

Platform makeQtPlatform();
