#pragma once

#include "PauseRecorder.h"

#include "window/Form1.h"

#include <memory>

// The shipped platform (Qt's event loop and sound service) with the given
// clock and a scripted stream of pieces: three blocks of one colour, the
// colours in turn. With no input each falls the whole board down column 4,
// clears itself on landing and leaves in three collapses of 17 frames, so a
// game never ends and every piece costs the same.
Platform benchPlatform(std::shared_ptr<Clock> clock);

// Chooses the starting level (1 to 10) through its menu item, as a player would.
void chooseStartingLevel(Form1& form, int level);

// The real window on the shipped platform, its clock wrapped in a pause
// recorder that tells each pause's kind, shown and set to start at a level.
struct RecordedGame {
    explicit RecordedGame(int level);

    std::shared_ptr<PauseRecorder> recorder;
    Form1 form;
};
