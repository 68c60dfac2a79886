#include "QtMessageBox.h"

#include <QMessageBox>

namespace {

// The icon part of a style value.
constexpr int kIconMask = 0x70;

} // namespace

void QtMessageBox::MsgBox(const QString& prompt, int buttons, const QString& title)
{
    // The holders ask for the exclamation icon and OK alone; other icons show none.
    const auto icon = (buttons & kIconMask) == kExclamation ? QMessageBox::Warning : QMessageBox::NoIcon;
    QMessageBox box(icon, title, prompt, QMessageBox::Ok);
    box.exec();
}
