#include "window/forms/Frame.h"

Frame::Frame(QWidget* container, const QString& caption, const QColor& background)
    : QGroupBox(caption, container)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);
}
