// Whole games through "Continue": game over, stopping during the fall and
// during the settling, and the guard against a second game loop.
#include "support/GameRecorder.h"
#include "support/GameScript.h"
#include "support/Scenarios.h"
#include "support/WaitForExposed.h"

#include "game/Pauses.h"
#include "window/forms/CommandButton.h"
#include "window/forms/Label.h"
#include "window/forms/MenuItem.h"
#include "window/forms/PictureBox.h"
#include "window/forms/WindowlessPictureBox.h"
#include "window/forms/TextBox.h"

#include <QTest>

class TestGameFlow : public QObject {
    Q_OBJECT

private slots:
    void gameOverWhenAColumnReachesRow3()
    {
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        playAlternating(*t.random, 20);
        GameRecorder game(t);
        game.play();
        QCOMPARE(game.pieces.size(), std::size_t(11));
        QCOMPARE(columnsOf(f).at(3), QStringLiteral("12121212121"));
        QVERIFY(f.gameOver);
        QVERIFY(f.stopGame);
        // The final board stays; "Prk" and "Starting level" come back, "Continue" does not.
        QVERIFY(f.o11->Enabled());
        QVERIFY(f.o22->Enabled());
        QVERIFY(!f.Command1->Visible());
        QVERIFY(!f.ime->isEnabled());
        QVERIFY(!f.gameLoopRunning);
        // One next piece before the game, one more per piece that entered.
        QCOMPARE(t.random->draws, 3 * 12);
    }

    void threeBlocksOnRow4EndTheGame()
    {
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        setColumns(f, {"", "", "", "1212121212"});
        t.random->play(drawsFor({3, 4, 5}));
        GameRecorder game(t);
        game.play();
        QCOMPARE(game.pieces.size(), std::size_t(1));
        QCOMPARE(game.pieces.front().landedRow, Integer(1));
        QVERIFY(f.gameOver);
        QCOMPARE(columnsOf(f).at(3), QStringLiteral("1212121212543"));
    }

    void twoColumnsAtOnceAfterAShower()
    {
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        setColumns(f, {"", "1212121212", "1", "2121218", "2", "1212121212", ""});
        t.random->play(drawsFor({8}));
        GameRecorder game(t);
        game.play();
        QCOMPARE(game.pieces.size(), std::size_t(1));
        QVERIFY(f.gameOver);
        QCOMPARE(f.cash, 3);
        QCOMPARE(columnsOf(f), (QStringList{"8", "12121212128", "18", "212121", "28", "12121212128", "8"}));
        QVERIFY(f.o11->Enabled());
    }

    void stopDuringTheFallDropsWithoutPausesAndResets()
    {
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        setColumns(f, {"12", "21"});
        playAlternating(*t.random, 5);
        constexpr std::int32_t kStopAt = 300;
        t.clock->at(kStopAt, [&f] { f.stopGame = true; });
        f.Command1_Click();
        // The drop itself takes no time; the landing's 250 ms pause is not shortened.
        QCOMPARE(t.clock->now, kStopAt + Pauses::kFirstPassPauseMs);
        QVERIFY(!f.gameOver);
        expectReady(f);
        QVERIFY(!f.o11->Enabled());
        QVERIFY(!f.gameLoopRunning);
    }

    void stopDuringTheSettleEndsAfterThatPass()
    {
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        setColumns(f, {"", "", "", "11"});
        t.random->play(drawsFor({1}));
        playAlternating(*t.random, 5);
        int frames = 0;
        t.clock->onYield = [&](std::int32_t deadline) {
            const std::int32_t length = deadline - f.waitStart;
            if (length == Pauses::kFirstPassPauseMs) f.stopGame = true;
            if (length == Pauses::kFramePauseMs && !f.Dio(0)->Visible()) ++frames;
        };
        f.Command1_Click();
        // Three matched cells in one column would take three passes; the stop leaves after one.
        QCOMPARE(frames, 17);
        QCOMPARE(f.cash, 0);  // the reset after the stop
        QVERIFY(!f.gameOver);
        expectReady(f);
    }

    // The game asks for the system's finest timers only while it runs, and
    // gives them back however it ends.
    void preciseTimingIsHeldWhileAGameRuns_data()
    {
        QTest::addColumn<bool>("stopped");
        QTest::newRow("game over") << false;
        QTest::newRow("stopped by New game or a close") << true;
    }

    void preciseTimingIsHeldWhileAGameRuns()
    {
        QFETCH(bool, stopped);
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        playAlternating(*t.random, 20);
        if (stopped) t.clock->at(300, [&f] { f.stopGame = true; });
        std::set<int> holdsAtYields;
        t.clock->onYield = [&](std::int32_t) { holdsAtYields.insert(t.clock->preciseTimingHolds); };
        f.Command1_Click();
        QCOMPARE(f.gameOver, !stopped);
        QCOMPARE(holdsAtYields, std::set<int>{1});
        QCOMPARE(t.clock->preciseTimingHolds, 0);
    }

    void noSecondGameLoopInsideTheFirst()
    {
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        f.show();
        QVERIFY(waitForExposed(f));
        playAlternating(*t.random, 30);
        int drawsAtNestedClick = -1;
        t.clock->at(400, [&] {
            // What "New game" does from inside a pause: "Continue" shows again at once.
            f.stopGame = true;
            f.NewGameReset();
            drawsAtNestedClick = t.random->draws;
            QTest::mouseClick(f.Command1, Qt::LeftButton);
            f.Command1_Click();
        });
        f.Command1_Click();
        QCOMPARE(t.random->draws, drawsAtNestedClick);
        QCOMPARE(t.clock->now, 400 + Pauses::kFirstPassPauseMs);
        expectReady(f);
        // Once the loop has returned, "Continue" starts a game again.
        t.clock->after(100, [&f] { f.stopGame = true; });
        QTest::mouseClick(f.Command1, Qt::LeftButton);
        QVERIFY(t.random->draws > drawsAtNestedClick);
        expectReady(f);
    }

    void startLevelSetsTheCaptionAndPace()
    {
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        f.startLevel = 7;
        playAlternating(*t.random, 20);
        QString captionDuringGame;
        t.clock->at(50, [&] { captionDuringGame = f.lev->Caption(); });
        GameRecorder game(t);
        game.stopAfter = 2;
        game.play();
        QCOMPARE(captionDuringGame, QStringLiteral("7"));
        QCOMPARE(game.stepPauses, (std::set<std::int32_t>{17}));
    }

    void levelRisesDuringAGameAndThePaceFollows()
    {
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        // Column 4 holds 1 and 1; the first piece, a 1, clears three cells and brings cash to 51.
        setColumns(f, {"", "", "", "11"});
        t.clock->at(1, [&f] { f.cash = 48; });
        t.random->play(drawsFor({1}));
        playAlternating(*t.random, 20);
        GameRecorder game(t);
        game.stopAfter = 2;
        game.play();
        QCOMPARE(game.stepPauses, (std::set<std::int32_t>{23, 22}));
    }
};

QTEST_MAIN(TestGameFlow)
#include "test_game_flow.moc"
