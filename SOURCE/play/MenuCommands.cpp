// The menu commands "New game", "Hide next" and "Level 1" to "Level 10".
#include "window/Form1.h"

#include "window/forms/MenuItem.h"
#include "window/forms/PictureBox.h"

void Form1::o12_Click()
{
    // A running game sees the flag when this returns, drops its piece and ends.
    stopGame = true;
    NewGameReset();
}

void Form1::o21_Click()
{
    if (o21->Checked()) {
        o21->setChecked(false);
        Picture7->setVisible(true);
    } else {
        o21->setChecked(true);
        Picture7->setVisible(false);
    }
}

void Form1::o221_Click(Integer Index)
{
    for (int i = 0; i <= 9; ++i) o221(i)->setChecked(false);
    o221(Index)->setChecked(true);
    startLevel = static_cast<Integer>(Index + 1);
    level = static_cast<Integer>(Index + 1);
}
