#include "support/Invariants.h"

#include "support/GameScript.h"
#include "support/TableModel.h"
#include "support/YieldKinds.h"

#include "scores/TopPlayersFile.h"
#include "window/forms/CommandButton.h"
#include "window/forms/Label.h"
#include "window/forms/MenuItem.h"
#include "window/forms/PictureBox.h"
#include "window/forms/WindowlessPictureBox.h"
#include "window/forms/TextBox.h"

#include <QFile>
#include <QTest>

#include <algorithm>

namespace {

constexpr int kCashPerLevel = 50;
constexpr int kMaxLevel = 10;
constexpr int kGameOverRow = 3;
constexpr int kRanks = 5;

enum class Controls { Ready, Playing, AfterGameOver, NoState };

const char* nameOf(Controls controls)
{
    switch (controls) {
    case Controls::Ready: return "Ready";
    case Controls::Playing: return "Playing";
    case Controls::AfterGameOver: return "After game over";
    default: return "no state of play";
    }
}

// "Continue", the name box and "Starting level" together say where play stands.
Controls controlsOf(const Form1& f)
{
    const bool shown = f.Command1->Visible();
    const bool name = f.ime->isEnabled();
    const bool levels = f.o22->Enabled();
    if (shown && name && levels) return Controls::Ready;
    if (!shown && !name && !levels) return Controls::Playing;
    if (!shown && !name && levels) return Controls::AfterGameOver;
    return Controls::NoState;
}

Integer expectedLevel(Integer startLevel, std::int64_t cash)
{
    // The level rises by one with each cell that takes cash past 50 times the level.
    const std::int64_t earned = cash > 0 ? (cash - 1) / kCashPerLevel + 1 : 0;
    return static_cast<Integer>(std::min<std::int64_t>(kMaxLevel, std::max<std::int64_t>(startLevel, earned)));
}

int cellsOfCode(const Form1& f, Integer code)
{
    int count = 0;
    for (int x = BoardSize::kFirstColumn; x <= BoardSize::kLastColumn; ++x)
        for (int y = BoardSize::kTopRow; y <= BoardSize::kBottomRow; ++y) count += f.board(x, y) == code;
    return count;
}

bool anyCellToRemove(const Form1& f)
{
    for (int x = BoardSize::kFirstColumn; x <= BoardSize::kLastColumn; ++x)
        for (int y = BoardSize::kTopRow; y <= BoardSize::kBottomRow; ++y)
            if (f.board(x, y) >= Cell::kFirstToRemove) return true;
    return false;
}

// A collapse takes out the lowest cell to remove in each column; counts those that are cleared cells.
int clearedCellsLeaving(const Form1& f)
{
    int count = 0;
    for (int x = BoardSize::kFirstColumn; x <= BoardSize::kLastColumn; ++x) {
        for (int y = BoardSize::kBottomRow; y >= 1; --y) {
            if (f.board(x, y) < Cell::kFirstToRemove) continue;
            count += f.board(x, y) == Cell::kCleared;
            break;
        }
    }
    return count;
}

bool rowThreeReached(const Form1& f)
{
    for (int x = BoardSize::kFirstColumn; x <= BoardSize::kLastColumn; ++x)
        if (f.board(x, kGameOverRow) > Cell::kEmpty) return true;
    return false;
}

QStringList tableOf(const Form1& f)
{
    QStringList lines;
    for (int i = 0; i < kRanks; ++i) lines << f.topime(i)->Caption() << f.topcash(i)->Caption();
    return lines;
}

QString cashText(std::int64_t cash) { return QString::number(cash) + QLatin1Char('$'); }

} // namespace

Invariants::Invariants(TestForm& t)
    : test(t), form(*t.form), writes(t.directory.path(), kTopPlayersFileName)
{
    auto previous = test.clock->onYield;
    test.clock->onYield = [this, previous](std::int32_t deadline) {
        if (previous) previous(deadline);
        yielded(deadline);
    };
    checkTable();
}

void Invariants::fail(const QString& why)
{
    if (failure.isEmpty()) failure = QStringLiteral("%1 (at %2 ms of virtual time)").arg(why).arg(test.clock->now);
}

void Invariants::handle(const PlayerInput& input)
{
    if (!failure.isEmpty()) return;
    ++inputs;
    const std::int64_t cashBefore = form.cash;
    const bool gameRunning = form.gameLoopRunning && !form.stopGame;
    // Input handled once the game loop has returned runs in the event loop
    // itself, where "Continue" rightly starts the next game.
    const int nesting = form.gameLoopRunning ? 1 : 0;
    handlerDepth += nesting;
    const QString problem = input.deliver(form);
    handlerDepth -= nesting;
    if (!problem.isEmpty()) return fail(QStringLiteral("%1: %2").arg(QLatin1String(input.name), problem));
    if (input.resets) {
        // Only the game-over cue's yield lets a game that "New game" stopped still end as lost.
        if (gameRunning) resultBeforeReset = cashBefore;
        if (columnsOf(form) != QStringList(BoardSize::kLastColumn, QString()))
            return fail(QStringLiteral("\"New game\" left cells on the board"));
        startAfresh();
    }
    observe(wasCollapsing);
}

void Invariants::playGame()
{
    if (!failure.isEmpty()) return;
    if (controlsOf(form) != Controls::Ready) return fail(QStringLiteral("\"Continue\" is not on offer"));
    ++games;
    tableBeforeGame = tableOf(form);
    nameBeforeGame = form.ime->Text();
    writesBeforeGame = writes.count();
    resultBeforeReset = -1;
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    checkLoopEnd();
}

void Invariants::yielded(std::int32_t deadline)
{
    if (!failure.isEmpty()) return;
    if (handlerDepth > 0) return fail(QStringLiteral("the game loop yielded inside a handler: a second loop runs"));
    const std::int32_t length = deadline - form.waitStart;
    const YieldKind kind = yieldKindOf(form, length);
    if (kind == YieldKind::FallStep) {
        // Steps of a fall change nothing but the piece; only a piece's first step is looked at.
        if (!isFirstFallStep(form, length) || form.waitStart == firstStepStart) return;
        firstStepStart = form.waitStart;
        ++pieces;
        // The piece before it, if any, has landed and its settle has returned.
        if (anyCellToRemove(form)) return fail(QStringLiteral("a cell to remove outlived the settle"));
        return observe(false);
    }
    if (kind == YieldKind::FirstPassPause && (form.pieceX % BoardSize::kCellSize != 0 || form.pieceY % BoardSize::kCellSize != 0))
        return fail(QStringLiteral("a piece landed off the grid at (%1, %2)").arg(form.pieceX).arg(form.pieceY));
    observe(kind == YieldKind::CollapseFrame);
}

void Invariants::observe(bool collapsing)
{
    if (!failure.isEmpty()) return;
    // Between the last frame of a collapse and the next look, the collapse took its cells out.
    if (wasCollapsing && !collapsing) clearedOnBoard -= leavingAtCollapse;
    if (collapsing) leavingAtCollapse = clearedCellsLeaving(form);
    wasCollapsing = collapsing;
    const int onBoard = cellsOfCode(form, Cell::kCleared);
    if (onBoard < clearedOnBoard) return fail(QStringLiteral("cleared cells left the board outside a collapse"));
    cleared += onBoard - clearedOnBoard;
    clearedOnBoard = onBoard;

    QString why;
    if (!boardIsSound(form, &why)) return fail(why);
    if (form.cash != cleared)
        return fail(QStringLiteral("cash %1, but %2 cells cleared since the last reset").arg(form.cash).arg(cleared));
    if (form.lova->Caption() != cashText(form.cash))
        return fail(QStringLiteral("cash %1 shown as %2").arg(form.cash).arg(form.lova->Caption()));
    if (form.level != expectedLevel(form.startLevel, form.cash))
        return fail(QStringLiteral("level %1 with cash %2 from level %3").arg(form.level).arg(form.cash).arg(form.startLevel));
    checkControls();
}

void Invariants::checkControls()
{
    const Controls controls = controlsOf(form);
    if (controls == Controls::NoState)
        return fail(QStringLiteral("controls in no state of play: \"Continue\" %1, name box %2, \"Starting level\" %3")
                        .arg(form.Command1->Visible())
                        .arg(form.ime->isEnabled())
                        .arg(form.o22->Enabled()));
    // A close request reads "Starting level" to learn whether a game runs.
    if (!form.o22->Enabled() && !form.gameLoopRunning)
        return fail(QStringLiteral("\"Starting level\" disabled with no game running"));
    if (form.gameLoopRunning && !form.stopGame && controls != Controls::Playing)
        return fail(QStringLiteral("a running game shows the %1 controls").arg(QLatin1String(nameOf(controls))));
    // "Prk" is disabled by "Continue" and enabled again only by a game over.
    if (controls == Controls::Playing && form.o11->Enabled()) return fail(QStringLiteral("\"Prk\" enabled during a game"));
    if (controls == Controls::AfterGameOver && !form.o11->Enabled())
        return fail(QStringLiteral("\"Prk\" disabled after a game over"));
}

void Invariants::checkLoopEnd()
{
    if (!failure.isEmpty()) return;
    if (form.gameLoopRunning) return fail(QStringLiteral("the game loop did not return"));
    const Controls controls = controlsOf(form);
    const bool stoppedByNewGame = resultBeforeReset >= 0;
    if (!form.gameOver) startAfresh();
    if (!form.gameOver || stoppedByNewGame) {
        // Stopped, or lost and then reset during its game-over cue: an empty board, no cash, "Continue".
        if (controls != Controls::Ready)
            return fail(QStringLiteral("a stopped game ends with the %1 controls").arg(QLatin1String(nameOf(controls))));
        if (columnsOf(form) != QStringList(BoardSize::kLastColumn, QString()) || form.cash != 0)
            return fail(QStringLiteral("a stopped game leaves cells or cash behind"));
        for (int i = 0; i <= 2; ++i)
            if (form.Dio(i)->Visible()) return fail(QStringLiteral("a sprite shows after the game"));
    } else {
        if (controls != Controls::AfterGameOver)
            return fail(QStringLiteral("a lost game ends with the %1 controls").arg(QLatin1String(nameOf(controls))));
        if (!rowThreeReached(form)) return fail(QStringLiteral("a game lost with no column in row 3"));
        if (anyCellToRemove(form)) return fail(QStringLiteral("a cell to remove outlived the last settle"));
    }
    if (form.gameOver) ++gamesOver;
    observe(false);

    const int saves = writes.count() - writesBeforeGame;
    if (saves != (form.gameOver ? 1 : 0))
        return fail(QStringLiteral("the table was saved %1 times after a game %2").arg(saves).arg(form.gameOver ? "lost" : "stopped"));
    checkTable();
    // A lost game's result is entered even when "New game" came during its game-over cue.
    QStringList expected = tableBeforeGame;
    if (form.gameOver) {
        const TableEntry entry = enterResult(tableBeforeGame, nameBeforeGame, stoppedByNewGame ? resultBeforeReset : form.cash);
        expected = entry.table;
        ++entriesAtRank[static_cast<std::size_t>(entry.rank)];
    }
    if (tableOf(form) != expected)
        return fail(QStringLiteral("the table is %1, not %2 after a game %3")
                        .arg(tableOf(form).join(QLatin1Char(' ')), expected.join(QLatin1Char(' ')), form.gameOver ? "lost" : "stopped"));
}

void Invariants::checkTable()
{
    if (!failure.isEmpty()) return;
    QFile file(test.directory.filePath(kTopPlayersFileName));
    if (!file.open(QIODevice::ReadOnly)) return fail(QStringLiteral("no table file"));
    const QByteArray bytes = file.readAll();
    if (bytes != asciiTableFile(tableOf(form)))
        return fail(QStringLiteral("the table file holds %1, the window shows %2")
                        .arg(QString::fromLatin1(bytes.toPercentEncoding()), tableOf(form).join(QLatin1Char('|'))));
}

void Invariants::startAfresh()
{
    cleared = 0;
    clearedOnBoard = 0;
    leavingAtCollapse = 0;
    wasCollapsing = false;
}
