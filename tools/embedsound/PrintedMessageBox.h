#pragma once

#include "window/MessageBox.h"

#include <cstdio>

// A message box for a session without a display: the title and the prompt
// go to a stream, and the box counts as answered at once.
class PrintedMessageBox : public MessageBox {
public:
    explicit PrintedMessageBox(std::FILE* stream) : out(stream) {}

    void MsgBox(const QString& prompt, int buttons, const QString& title) override;

private:
    std::FILE* out;
};
