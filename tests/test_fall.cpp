// How a piece falls and is steered: the path, the pace, the walls and blocks
// that stop a sideways move, and where it lands. Whole games on the virtual
// clock with real mouse presses on the board.
#include "support/GameRecorder.h"
#include "support/GameScript.h"
#include "support/WaitForExposed.h"

#include "window/forms/PictureBox.h"
#include "window/forms/WindowlessPictureBox.h"

#include <QTest>

namespace {

// Level-1 steps pause 23 ms, so step k's pause runs from 23k to 23k + 23.
constexpr int kStepMs = 23;

void clickBoardAt(Form1& f, int x, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(f.Picture1->client(), button, {}, QPoint(x, 5));
}

struct Shown {
    explicit Shown(Form1& form)
    {
        form.Form_Load();
        form.show();
        QVERIFY(waitForExposed(form));
    }
};

} // namespace

class TestFall : public QObject {
    Q_OBJECT

private slots:
    void steering_data()
    {
        QTest::addColumn<QStringList>("board");
        QTest::addColumn<int>("clickX");      // -1: no click
        QTest::addColumn<int>("clickStep");   // the step during whose pause the click comes
        QTest::addColumn<int>("landedCol");
        QTest::addColumn<int>("landedRow");
        const QStringList empty;
        QTest::newRow("no click falls straight down column 4") << empty << -1 << 0 << 4 << 13;
        QTest::newRow("left to column 1") << empty << 10 << 0 << 1 << 13;
        QTest::newRow("right to column 7") << empty << 200 << 0 << 7 << 13;
        QTest::newRow("to column 3 and no further") << empty << 70 << 0 << 3 << 13;
        QTest::newRow("lands on a block") << QStringList{"", "", "", "121"} << -1 << 0 << 4 << 10;
        QTest::newRow("late click still moves while the neighbour is free")
            << empty << 200 << 88 << 6 << 13;
        QTest::newRow("a tall neighbour stops the move")
            << QStringList{"", "", "1212", ""} << 10 << 75 << 4 << 13;
        QTest::newRow("a block met on the way stops the move one column short")
            << QStringList{"1212"} << 10 << 75 << 2 << 13;
    }

    void steering()
    {
        QFETCH(QStringList, board);
        QFETCH(int, clickX);
        QFETCH(int, clickStep);
        QFETCH(int, landedCol);
        QFETCH(int, landedRow);
        TestForm t;
        Form1& f = *t.form;
        Shown shown(f);
        setColumns(f, board);
        t.random->play(drawsFor({3}));
        t.random->play(drawsFor({5}));
        t.random->play(drawsFor({6}));
        if (clickX >= 0) t.clock->at(clickStep * kStepMs + 1, [&f, clickX] { clickBoardAt(f, clickX); });
        GameRecorder game(t);
        game.stopAfter = 1;
        game.play();
        const GameRecorder::Piece& piece = game.pieces.front();
        QCOMPARE(piece.landedCol, Integer(landedCol));
        QCOMPARE(piece.landedRow, Integer(landedRow));
        // It lands aligned, directly on the first filled cell below.
        QCOMPARE(piece.path.back().y() % 32, 0);
        QCOMPARE(piece.path.back().x(), landedCol * 32 - 32);
        QCOMPARE(piece.settled.at(landedCol - 1).size(), board.value(landedCol - 1).size() + 1);
    }

    void oneColumnPerRowOfDescent()
    {
        TestForm t;
        Form1& f = *t.form;
        Shown shown(f);
        t.random->play(drawsFor({1}));
        t.clock->at(1, [&f] { clickBoardAt(f, 5); });
        GameRecorder game(t);
        game.stopAfter = 1;
        game.play();
        const auto& path = game.pieces.front().path;
        // The click during the first pause waits for the step that starts aligned (pieceY 0).
        for (const QPoint& p : path) {
            if (p.y() <= 0) QCOMPARE(p.x(), 96);
        }
        for (const QPoint& p : path) {
            if (p.y() > 0 && p.y() <= 96) {
                // 4 units sideways for every 4 units down, from (96, 0) towards column 1.
                QCOMPARE(p.x(), 96 - p.y());
            }
            if (p.y() > 96) QCOMPARE(p.x(), 0);
        }
    }

    void clickBetweenRowsWaitsForTheNextAlignedStep()
    {
        TestForm t;
        Form1& f = *t.form;
        Shown shown(f);
        t.random->play(drawsFor({1}));
        // Step 10 ends with pieceY = 12: between rows 0 and 1.
        t.clock->at(10 * kStepMs + 1, [&f] { clickBoardAt(f, 200); });
        GameRecorder game(t);
        game.stopAfter = 1;
        game.play();
        for (const QPoint& p : game.pieces.front().path) {
            if (p.y() <= 32) QCOMPARE(p.x(), 96);
            if (p.y() > 32 && p.y() <= 128) QCOMPARE(p.x(), 96 + (p.y() - 32));
        }
    }

    void targetOutsideTheBoardRunsIntoTheWall_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("landedCol");
        QTest::newRow("column 0") << 0 << 1;
        QTest::newRow("column -5") << -5 << 1;
        QTest::newRow("column 8") << 8 << 7;
        QTest::newRow("column 40") << 40 << 7;
    }

    void targetOutsideTheBoardRunsIntoTheWall()
    {
        QFETCH(int, target);
        QFETCH(int, landedCol);
        TestForm t;
        Form1& f = *t.form;
        Shown shown(f);
        t.random->play(drawsFor({1, 2, 3}));
        t.clock->at(1, [&f, target] { f.targetCol = static_cast<Integer>(target); });
        GameRecorder game(t);
        game.stopAfter = 1;
        game.play();
        QCOMPARE(game.pieces.front().landedCol, Integer(landedCol));
        QCOMPARE(game.pieces.front().settled.at(landedCol - 1), QStringLiteral("321"));
        for (const QPoint& p : game.pieces.front().path) {
            QVERIFY(p.x() >= 0);
            QVERIFY(p.x() <= 192);
        }
    }

    void pacePerStep_data()
    {
        QTest::addColumn<int>("startLevel");
        QTest::addColumn<int>("pauseMs");
        QTest::newRow("level 1") << 1 << 23;
        QTest::newRow("level 5") << 5 << 19;
        QTest::newRow("level 10") << 10 << 14;
    }

    void pacePerStep()
    {
        QFETCH(int, startLevel);
        QFETCH(int, pauseMs);
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        f.startLevel = static_cast<Integer>(startLevel);
        t.random->play(drawsFor({1}));
        GameRecorder game(t);
        game.stopAfter = 1;
        game.play();
        QCOMPARE(game.stepPauses, (std::set<std::int32_t>{pauseMs}));
        // A single block falls 14 rows of 8 steps, from just above the board.
        QCOMPARE(static_cast<int>(game.pieces.front().path.size()), 8 + 13 * 8);
        QCOMPARE(t.clock->now >= (8 + 13 * 8) * pauseMs, true);
    }

    void spritesLagFourUnitsAndLandedBlocksSitInTheirCells()
    {
        TestForm t;
        Form1& f = *t.form;
        Shown shown(f);
        t.random->play(drawsFor({1, 2}));
        QPoint spriteAtLastStep;
        t.clock->onYield = [&](std::int32_t) {
            if (f.Dio(1)->Visible()) {
                QCOMPARE(f.Dio(0)->pos(), QPoint(f.pieceX, f.pieceY - 4));
                QCOMPARE(f.Dio(1)->pos(), QPoint(f.pieceX, f.pieceY - 4 + 32));
                QCOMPARE(f.Dio(0)->size(), QSize(32, 32));
                spriteAtLastStep = f.Dio(1)->pos();
            } else if (f.board(4, 13) != Cell::kEmpty) {
                f.stopGame = true;
            }
        };
        f.Command1_Click();
        QCOMPARE(spriteAtLastStep, QPoint(96, 13 * 32 - 4));
    }

    void mouseColumn_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("column");
        QTest::newRow("x 0") << 0.0 << 1;
        QTest::newRow("x 31.9") << 31.9 << 1;
        QTest::newRow("x 32") << 32.0 << 2;
        QTest::newRow("x 223.9") << 223.9 << 7;
        QTest::newRow("x 224 is not clamped") << 224.0 << 8;
        QTest::newRow("x -0.5 rounds down") << -0.5 << 0;
    }

    void mouseColumn()
    {
        QFETCH(double, x);
        QFETCH(int, column);
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        f.pieceColors = {1, 2, 3};
        f.pieceLast = 2;
        f.Picture1_MouseDown(PictureBox::kLeftButton, 0, x, 100);
        QCOMPARE(f.targetCol, Integer(column));
        QCOMPARE(f.pieceColors, (std::array<Integer, 3>{1, 2, 3}));
    }

    void realPressesOnTheBoard()
    {
        TestForm t;
        Form1& f = *t.form;
        Shown shown(f);
        f.pieceLast = 1;
        f.pieceColors = {1, 2, 0};
        clickBoardAt(f, 223);
        QCOMPARE(f.targetCol, Integer(7));
        clickBoardAt(f, 0);
        QCOMPARE(f.targetCol, Integer(1));
        clickBoardAt(f, 100, Qt::MiddleButton);
        QCOMPARE(f.targetCol, Integer(1));
        QCOMPARE(f.pieceColors, (std::array<Integer, 3>{1, 2, 0}));
        clickBoardAt(f, 100, Qt::RightButton);
        QCOMPARE(f.pieceColors, (std::array<Integer, 3>{2, 1, 0}));
        QCOMPARE(f.targetCol, Integer(1));
    }

    void rotation_data()
    {
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("one block stays") << 0 << 1 << QList<int>{5, 2, 3};
        QTest::newRow("two blocks swap") << 1 << 1 << QList<int>{2, 5, 3};
        QTest::newRow("two blocks twice") << 1 << 2 << QList<int>{5, 2, 3};
        QTest::newRow("three blocks: bottom to top") << 2 << 1 << QList<int>{3, 5, 2};
        QTest::newRow("three blocks twice") << 2 << 2 << QList<int>{2, 3, 5};
        QTest::newRow("three blocks three times") << 2 << 3 << QList<int>{5, 2, 3};
    }

    void rotation()
    {
        QFETCH(int, last);
        QFETCH(int, clicks);
        QFETCH(QList<int>, expected);
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        f.pieceLast = static_cast<Integer>(last);
        f.pieceColors = {5, 2, 3};
        for (int i = 0; i <= 2; ++i) f.Dio(i)->setPicture(f.Slika(12)->Picture());
        for (int n = 0; n < clicks; ++n) f.Picture1_MouseDown(PictureBox::kRightButton, 0, 10, 10);
        for (int i = 0; i <= 2; ++i) QCOMPARE(int(f.pieceColors[static_cast<std::size_t>(i)]), expected[i]);
        // The sprites show the new order at once; a one-block piece repaints nothing.
        for (int i = 0; i <= 2; ++i) {
            const qint64 shown = f.Dio(i)->Picture().cacheKey();
            const qint64 wanted = i <= last && last > 0 ? f.Slika(expected[i] - 1)->Picture().cacheKey()
                                                        : f.Slika(12)->Picture().cacheKey();
            QCOMPARE(shown, wanted);
        }
        QCOMPARE(f.targetCol, Integer(0));
    }

    void pressOnTheFallingPieceDoesNothing()
    {
        TestForm t;
        Form1& f = *t.form;
        Shown shown(f);
        t.random->play(drawsFor({1, 2, 3}));
        Integer targetAfterPress = -1;
        std::array<Integer, 3> coloursAfterPress{};
        t.clock->at(40 * kStepMs + 1, [&] {
            // Through the window, which finds what lies under the pointer.
            const QPoint onSprite = f.Picture1->client()->mapTo(&f, f.Dio(1)->geometry().center());
            QTest::mouseClick(f.windowHandle(), Qt::LeftButton, {}, onSprite);
            QTest::mouseClick(f.windowHandle(), Qt::RightButton, {}, onSprite);
            targetAfterPress = f.targetCol;
            coloursAfterPress = f.pieceColors;
            f.stopGame = true;
        });
        f.Command1_Click();
        QCOMPARE(targetAfterPress, Integer(255));
        QCOMPARE(coloursAfterPress, (std::array<Integer, 3>{1, 2, 3}));
    }

    void rotationDuringTheFallLandsInTheNewOrder()
    {
        TestForm t;
        Form1& f = *t.form;
        Shown shown(f);
        t.random->play(drawsFor({1, 2, 3}));
        t.clock->at(30 * kStepMs + 1, [&f] { clickBoardAt(f, 50, Qt::RightButton); });
        GameRecorder game(t);
        game.stopAfter = 1;
        game.play();
        // Top to bottom 3, 1, 2: the column reads 2, 1, 3 from the floor up.
        QCOMPARE(game.pieces.front().settled.at(3), QStringLiteral("213"));
    }
};

QTEST_MAIN(TestFall)
#include "test_fall.moc"
