#pragma once

#include "window/MessageBox.h"

// The window system's own message box, for a session with a display.
class QtMessageBox : public MessageBox {
public:
    void MsgBox(const QString& prompt, int buttons, const QString& title) override;
};
