#pragma once

#include <QProcessEnvironment>
#include <QString>

#include <functional>

// Whether a window could be opened on a display: an empty string when it
// could, else why not, in a few words ("connection refused").
struct DisplayProbes {
    std::function<QString(const QString& x11Display)> x11;
    std::function<QString(const QString& waylandDisplay, const QString& runtimeDirectory)> wayland;
};

// Asked before the QApplication is made: on Linux, without a display that
// answers, Qt's platform plugins abort the program with a core dump and
// advice about reinstalling it. Returns the one line to print instead, or an
// empty string when a window can be opened or a platform has been chosen
// (QT_QPA_PLATFORM, "-platform name" or "--platform name"), which is left
// to Qt as it is. A display is DISPLAY, WAYLAND_DISPLAY or WAYLAND_SOCKET set
// and not empty, or "-display name" on the command line; argv[0] is the
// program. Qt tries each display that is set, so the line comes only when
// none of them answers the probes. On Windows there is always a display
// (Win32NoDisplay.cpp).
QString noDisplayMessage(int argc, const char* const* argv, const QProcessEnvironment& environment,
                         const DisplayProbes& probes);
// The same with probes that connect to the displays (DisplayConnections.cpp).
QString noDisplayMessage(int argc, const char* const* argv, const QProcessEnvironment& environment);
