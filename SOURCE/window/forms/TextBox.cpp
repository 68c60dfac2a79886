#include "window/forms/TextBox.h"

TextBox::TextBox(QWidget* container, const QString& initialText, int maxLength) : QLineEdit(container)
{
    setMaxLength(maxLength);
    setText(initialText);
}
