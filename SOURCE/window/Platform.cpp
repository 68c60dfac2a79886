#include "window/Platform.h"

#include "window/QtClock.h"
#include "window/SystemRandom.h"

Platform makeQtPlatform()
{
    Platform platform;
    platform.clock = std::make_unique<QtClock>();
    platform.random = std::make_unique<SystemRandom>();
    return platform;
}
