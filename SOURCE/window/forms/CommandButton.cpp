#include "window/forms/CommandButton.h"

CommandButton::CommandButton(QWidget* container, const QString& caption)
    : QPushButton(caption, container)
{
    // The window has no keyboard shortcuts: the button takes no focus, so a
    // space or Enter does not press it.
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QPushButton::clicked, this, &CommandButton::Click);
}

bool CommandButton::Visible() const
{
    return parentWidget() ? isVisibleTo(parentWidget()) : isVisible();
}
