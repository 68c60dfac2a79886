#include "window/Form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vorn"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));

    Form1 form(makeQtPlatform());
    form.Form_Load();
    form.show();
    return QApplication::exec();
}
