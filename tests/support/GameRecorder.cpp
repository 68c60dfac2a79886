#include "support/GameRecorder.h"

#include "game/Pauses.h"
#include "support/GameScript.h"
#include "window/forms/PictureBox.h"
#include "window/forms/WindowlessPictureBox.h"

GameRecorder::GameRecorder(TestForm& t) : test(t)
{
    test.clock->onYield = [this](std::int32_t deadline) { yielded(deadline); };
}

void GameRecorder::play()
{
    test.form->Command1_Click();
    if (!pieces.empty()) settled();
}

void GameRecorder::yielded(std::int32_t deadline)
{
    Form1& f = *test.form;
    const std::int32_t length = deadline - f.waitStart;
    const bool fallStep = f.Dio(0)->Visible() && length == Pauses::fallStepMs(f.level);
    if (!fallStep) {
        if (!firstPauseSeen && !pieces.empty() && length == Pauses::kFirstPassPauseMs) {
            pieces.back().cueAtFirstPause = f.soundCue;
            firstPauseSeen = true;
        }
        return;
    }
    if (pieces.empty() || f.pieceY < lastPieceY) {
        if (!pieces.empty()) settled();
        pieces.emplace_back();
        firstPauseSeen = false;
    }
    if (pieces.back().path.empty() || pieces.back().path.back() != QPoint(f.pieceX, f.pieceY)) {
        pieces.back().path.emplace_back(f.pieceX, f.pieceY);
        stepPauses.insert(length);
    }
    pieces.back().landedCol = f.pieceCol;
    pieces.back().landedRow = f.pieceRow;
    lastPieceY = f.pieceY;
}

void GameRecorder::settled()
{
    Piece& piece = pieces.back();
    if (!piece.settled.isEmpty()) return;
    piece.settled = columnsOf(*test.form);
    if (onSettled) onSettled();
    if (stopAfter >= 0 && static_cast<int>(pieces.size()) >= stopAfter) test.form->stopGame = true;
}
