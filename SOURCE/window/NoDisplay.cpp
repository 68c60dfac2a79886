#include "window/NoDisplay.h"

#include <QStringList>

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

const QString kAdvice = QStringLiteral(
    "start Vorn from a desktop session (or set QT_QPA_PLATFORM=offscreen to run it without one)");

}  // namespace

QString noDisplayMessage(int argc, const char* const* argv, const QProcessEnvironment& environment,
                         const DisplayProbes& probes)
{
    const DisplayArguments arguments = readDisplayArguments(argc, argv);
    if (isSet(environment, QStringLiteral("QT_QPA_PLATFORM")) || !arguments.platform.isEmpty()) {
        return {};
    }
    // WAYLAND_SOCKET is how a compositor hands a client it starts its connection.
    if (isSet(environment, QStringLiteral("WAYLAND_SOCKET"))) {
        return {};
    }
    // Qt's X11 plugin takes "-display name" before DISPLAY.
    const QString x11 = !arguments.display.isEmpty() ? arguments.display : environment.value(QStringLiteral("DISPLAY"));
    const QString x11Name = !arguments.display.isEmpty() ? QStringLiteral("-display ") + x11 : QStringLiteral("DISPLAY=") + x11;
    const QString wayland = environment.value(QStringLiteral("WAYLAND_DISPLAY"));
    if (x11.isEmpty() && wayland.isEmpty()) {
        return QStringLiteral("vorn: no display to open the window on: neither DISPLAY nor WAYLAND_DISPLAY is set; ") +
               kAdvice;
    }
    QStringList unreachable;
    if (!wayland.isEmpty()) {
        const QString why = probes.wayland(wayland, environment.value(QStringLiteral("XDG_RUNTIME_DIR")));
        if (why.isEmpty()) return {};
        unreachable << QStringLiteral("WAYLAND_DISPLAY=%1 cannot be reached (%2)").arg(wayland, why);
    }
    if (!x11.isEmpty()) {
        const QString why = probes.x11(x11);
        if (why.isEmpty()) return {};
        unreachable << QStringLiteral("%1 cannot be reached (%2)").arg(x11Name, why);
    }
    return QStringLiteral("vorn: no display to open the window on: ") + unreachable.join(QStringLiteral(" and ")) +
           QStringLiteral("; ") + kAdvice;
}
