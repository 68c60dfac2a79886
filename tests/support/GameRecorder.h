#pragma once

#include "support/TestForm.h"

#include <QPoint>
#include <QStringList>

#include <functional>
#include <set>
#include <vector>

// Watches a game through the virtual clock's yields: where each piece went,
// how long its steps paused, which cue was chosen at the first settling
// pause, and the board once the piece had settled.
class GameRecorder {
public:
    struct Piece {
        std::vector<QPoint> path;   // (pieceX, pieceY) after each fall step
        Integer landedCol = 0;
        Integer landedRow = 0;
        Integer cueAtFirstPause = -1;
        QStringList settled;        // the board once settled (next spawn or game end)
    };

    explicit GameRecorder(TestForm& test);

    // Plays the game from "Continue" until RunGame returns.
    void play();

    std::vector<Piece> pieces;
    std::set<std::int32_t> stepPauses;
    // Asks the game to stop once this many pieces have settled (-1: never).
    int stopAfter = -1;
    // Runs whenever a piece has settled, with the board as it stands.
    std::function<void()> onSettled;

private:
    void yielded(std::int32_t deadline);
    void settled();

    TestForm& test;
    Integer lastPieceY = 0;
    bool firstPauseSeen = false;
};
