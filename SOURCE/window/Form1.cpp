#include "window/Form1.h"

#include "window/forms/CommandButton.h"

Form1::Form1(Platform services) : platform(std::move(services))
{
    BuildControls();
    BuildMenus();
    connect(Command1, &CommandButton::Click, this, &Form1::Command1_Click);
}

Form1::~Form1() = default;
