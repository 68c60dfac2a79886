#pragma once

#include "support/TableWrites.h"
#include "support/TestForm.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>

// One input of the player, delivered the way the window system delivers it.
// deliver returns what went wrong in the input itself, or nothing.
struct PlayerInput {
    const char* name;
    std::function<QString(Form1&)> deliver;
    bool resets = false;  // "New game": board, cash and labels start afresh
};

// The rules that every moment of play keeps, checked at each yield of the
// game loop, after each handler that the player's input runs, and once the
// loop has returned. The first rule broken is kept in failure; later checks
// are skipped, so the report names the first fault, not its echoes.
class Invariants {
public:
    // Watches the window of test from now on: its clock's yields (after any
    // watcher already there) and its table file.
    explicit Invariants(TestForm& test);

    // Runs one input as a handler nested in the current yield (or, once the
    // game loop has returned, in the event loop itself), then checks.
    void handle(const PlayerInput& input);
    // Presses the real "Continue" button and checks once the game loop has returned.
    void playGame();

    QString failure;
    int games = 0;
    int gamesOver = 0;
    int pieces = 0;
    int inputs = 0;
    // Saves of the table file since the rules began to watch.
    int saves() { return writes.count(); }
    // The lost games' results by the rank they entered at (index 0: below all five).
    std::array<int, 6> entriesAtRank{};

private:
    void yielded(std::int32_t deadline);
    void observe(bool collapsing);
    void checkControls();
    void checkLoopEnd();
    void checkTable();
    void startAfresh();
    void fail(const QString& why);

    TestForm& test;
    Form1& form;
    TableWrites writes;
    int handlerDepth = 0;
    // Cells cleared since the last reset, and the cleared cells still on the
    // board as far as the last look could tell.
    std::int64_t cleared = 0;
    int clearedOnBoard = 0;
    int leavingAtCollapse = 0;
    bool wasCollapsing = false;
    std::int32_t firstStepStart = -1;  // the pause of the last piece's first step
    // The game's result if "New game" came during its game-over cue.
    std::int64_t resultBeforeReset = -1;
    int writesBeforeGame = 0;
    QStringList tableBeforeGame;
    QString nameBeforeGame;
};
