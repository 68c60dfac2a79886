#include "window/Platform.h"

#include "sound/SoundService.h"
#include "window/QtClock.h"
#include "window/SystemRandom.h"

void chooseQtSettings()
{
    // Qt's X11 plugin would hand each repaint to the X server in shared
    // memory and, before painting again where the server may still be
    // reading, wait for the server's answer to a request: a round trip, so a
    // second wakeup on every fall step, where the piece always overlaps the
    // last step's. A step's few kilobytes cost less sent on the connection.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
}

Platform makeQtPlatform()
{
    Platform platform;
    platform.clock = std::make_unique<QtClock>();
    platform.random = std::make_unique<SystemRandom>();
    platform.sound = SoundService::shared();
    return platform;
}
