#pragma once

#include <QLineEdit>

// A single-line text box with a length limit.
class TextBox : public QLineEdit {
    Q_OBJECT

public:
    TextBox(QWidget* container, const QString& text, int maxLength);

    QString Text() const { return text(); }
    void setText(const QString& newText) { QLineEdit::setText(newText); }
};
