#include "window/Form1.h"

#include "window/forms/CommandButton.h"
#include "window/forms/PictureBox.h"

Form1::Form1(Platform services) : platform(std::move(services))
{
    BuildControls();
    BuildMenus();
    connect(Command1, &CommandButton::Click, this, &Form1::Command1_Click);
    connect(Picture1, &PictureBox::MouseDown, this, &Form1::Picture1_MouseDown);
}

Form1::~Form1() = default;
