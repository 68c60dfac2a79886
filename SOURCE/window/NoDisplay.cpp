#include "window/NoDisplay.h"

#include <cstring>

namespace {

// What Qt and its X11 plugin read from the command line.
struct DisplayArguments {
    QString platform;
    QString display;
};

// Mirrors QGuiApplication's argument loop: one leading '-' of "--" is
// dropped, an option without a value after it is ignored, and the last one
// given wins. "-platform=name" is not an option to Qt, so it is none here.
DisplayArguments readDisplayArguments(int argc, const char* const* argv)
{
    DisplayArguments arguments;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (!arg || arg[0] != '-') {
            continue;
        }
        if (arg[1] == '-') {
            ++arg;
        }
        const bool hasValue = i + 1 < argc && argv[i + 1];
        if (std::strcmp(arg, "-platform") == 0 && hasValue) {
            arguments.platform = QString::fromLocal8Bit(argv[++i]);
        } else if (std::strcmp(arg, "-display") == 0 && hasValue) {
            arguments.display = QString::fromLocal8Bit(argv[++i]);
        }
    }
    return arguments;
}

bool isSet(const QProcessEnvironment& environment, const QString& name)
{
    return !environment.value(name).isEmpty();
}

}  // namespace

QString noDisplayMessage(int argc, const char* const* argv, const QProcessEnvironment& environment)
{
    const DisplayArguments arguments = readDisplayArguments(argc, argv);
    if (isSet(environment, QStringLiteral("QT_QPA_PLATFORM")) || !arguments.platform.isEmpty()) {
        return {};
    }
    // WAYLAND_SOCKET is how a compositor hands a client it starts its connection.
    if (isSet(environment, QStringLiteral("DISPLAY")) || isSet(environment, QStringLiteral("WAYLAND_DISPLAY"))
        || isSet(environment, QStringLiteral("WAYLAND_SOCKET")) || !arguments.display.isEmpty()) {
        return {};
    }
    return QStringLiteral("vorn: no display to open the window on: neither DISPLAY nor WAYLAND_DISPLAY is set; "
                          "start Vorn from a desktop session (or set QT_QPA_PLATFORM=offscreen to run it without one)");
}
