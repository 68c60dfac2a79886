#pragma once

#include "sound/EmbedSound.h"
#include "window/MessageBox.h"

#include <memory>

// Shows every box through another one and notes whether the holder reported
// a file it could not embed: the box is all the holder tells its author.
class ErrorNotingMessageBox : public MessageBox {
public:
    explicit ErrorNotingMessageBox(std::unique_ptr<MessageBox> shown) : boxes(std::move(shown)) {}

    void MsgBox(const QString& prompt, int buttons, const QString& title) override
    {
        if (title == kEmbedSoundErrorTitle) embedFailed = true;
        boxes->MsgBox(prompt, buttons, title);
    }

    bool failed() const { return embedFailed; }

private:
    std::unique_ptr<MessageBox> boxes;
    bool embedFailed = false;
};
