#include "window/forms/Label.h"

Label::Label(QWidget* container, const QString& caption) : QLabel(container)
{
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(false);
    setText(caption);
}

void Label::setForeColor(const QColor& colour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, colour);
    setPalette(palette);
}
