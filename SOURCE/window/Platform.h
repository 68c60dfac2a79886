#pragma once

#include "window/Clock.h"
#include "window/RandomSource.h"
#include "window/SoundOutput.h"

#include <memory>

// The platform services the window is given: production plugs in Qt's,
// tests plug in a virtual clock, a scripted random source and a recording
// sound output.
struct Platform {
    // Shared with the sound holders, which Qt destroys after the window's own members.
    std::shared_ptr<Clock> clock;
    std::unique_ptr<RandomSource> random;
    std::shared_ptr<SoundOutput> sound;
};

Platform makeQtPlatform();

// Asked before the QApplication is made: settings of Qt's own for a window
// that repaints a small part of itself many times a second.
void chooseQtSettings();
