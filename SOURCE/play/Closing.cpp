// A request to close the window: refused while a game runs, granted otherwise.
#include "window/Form1.h"

#include "window/forms/MenuItem.h"

#include <QCloseEvent>

namespace {
// Who asked: the player through the window's close control, or the program.
constexpr Integer kClosedByPlayer = 0;
constexpr Integer kClosedByProgram = 1;
} // namespace

void Form1::Form_QueryUnload(Integer& Cancel, Integer UnloadMode)
{
    Q_UNUSED(UnloadMode);
    // "Starting level" is disabled exactly while the game loop runs.
    if (!o22->Enabled()) {
        stopGame = true;
        Cancel = -1;
    } else if (!stopGame) {
        stopGame = true;
    }
}

void Form1::closeEvent(QCloseEvent* event)
{
    // Whoever asks (window manager, keyboard, program), the answer is the
    // same. A granted close only hides the window; the program ends once
    // every handler on the stack, a stopped game loop included, has returned.
    Integer cancel = 0;
    Form_QueryUnload(cancel, event->spontaneous() ? kClosedByPlayer : kClosedByProgram);
    if (cancel != 0)
        event->ignore();
    else
        event->accept();
}
