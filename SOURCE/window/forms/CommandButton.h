#pragma once

#include <QPushButton>

// A command button; Click is raised when it is pressed and released.
class CommandButton : public QPushButton {
    Q_OBJECT

public:
    CommandButton(QWidget* container, const QString& caption);

    QString Caption() const { return text(); }
    bool Visible() const;

signals:
    void Click();
};
