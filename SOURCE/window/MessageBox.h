#pragma once

#include <QString>

// The window system's message box: a prompt under a title, with the buttons
// and the icon that a style value asks for. Returns once it is answered.
class MessageBox {
public:
    // Style values, added together.
    enum : int { kOkOnly = 0, kExclamation = 48 };

    virtual ~MessageBox() = default;

    virtual void MsgBox(const QString& prompt, int buttons, const QString& title) = 0;
};
