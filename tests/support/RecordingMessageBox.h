#pragma once

#include "window/MessageBox.h"

#include <vector>

// A message box that shows nothing and keeps what it was asked to show.
class RecordingMessageBox : public MessageBox {
public:
    struct Shown {
        QString prompt;
        int buttons;
        QString title;
    };

    void MsgBox(const QString& prompt, int buttons, const QString& title) override { shown.push_back({prompt, buttons, title}); }

    std::vector<Shown> shown;
};
