#include "PrintedMessageBox.h"

void PrintedMessageBox::MsgBox(const QString& prompt, int, const QString& title)
{
    QString shown = prompt;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    std::fprintf(out, "[%s]\n%s\n", title.toUtf8().constData(), shown.toUtf8().constData());
    std::fflush(out);
}
