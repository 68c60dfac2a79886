#include "window/Form1.h"

#include "window/forms/CommandButton.h"
#include "window/forms/MenuItem.h"
#include "window/forms/PictureBox.h"

Form1::Form1(Platform services) : platform(std::move(services))
{
    BuildControls();
    BuildMenus();
    connect(Command1, &CommandButton::Click, this, &Form1::Command1_Click);
    connect(Picture1, &PictureBox::MouseDown, this, &Form1::Picture1_MouseDown);
    connect(o12, &MenuItem::Click, this, &Form1::o12_Click);
    connect(o21, &MenuItem::Click, this, &Form1::o21_Click);
    for (int i = 0; i <= 9; ++i)
        connect(o221(i), &MenuItem::Click, this, [this, i] { o221_Click(static_cast<Integer>(i)); });
}

Form1::~Form1() = default;
