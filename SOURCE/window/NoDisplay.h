#pragma once

#include <QProcessEnvironment>
#include <QString>

// Asked before the QApplication is made: on Linux, without a display Qt's default
// platform plugin aborts the program with a core dump and advice about
// reinstalling it. Returns the one line to print instead, or an empty string
// when a window can be opened or a platform has been chosen (QT_QPA_PLATFORM,
// "-platform name" or "--platform name"), which is left to Qt as it is.
// A display is DISPLAY, WAYLAND_DISPLAY or WAYLAND_SOCKET set and not empty,
// or "-display name" on the command line; argv[0] is the program. On
// Windows there is always a display (Win32NoDisplay.cpp).
QString noDisplayMessage(int argc, const char* const* argv, const QProcessEnvironment& environment);
