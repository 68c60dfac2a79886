#include "window/Platform.h"

#include "sound/SoundService.h"
#include "window/QtClock.h"
#include "window/SystemRandom.h"

Platform makeQtPlatform()
{
    Platform platform;
    platform.clock = std::make_unique<QtClock>();
    platform.random = std::make_unique<SystemRandom>();
    platform.sound = SoundService::shared();
    return platform;
}
