#include "window/Form1.h"
#include "window/MainWindow.h"
#include "window/NoDisplay.h"

#include <QApplication>
#include <QProcessEnvironment>

#include <cstdio>

int main(int argc, char* argv[])
{
    const QString noDisplay = noDisplayMessage(argc, argv, QProcessEnvironment::systemEnvironment());
    if (!noDisplay.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(noDisplay));
        return 1;
    }

    chooseQtSettings();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vorn"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    // Names the desktop entry, so that a Wayland compositor (and an X11 task
    // bar) finds the program's icon and name for its window.
    QApplication::setDesktopFileName(QStringLiteral(VORN_APP_ID));

    Form1 form(makeQtPlatform());
    form.Form_Load();
    showMainWindow(form);
    return QApplication::exec();
}
