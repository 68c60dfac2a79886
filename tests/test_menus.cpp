// The menu commands in every state of play, and closing the window: refused
// during a game, granted before one, after one, and while a stopped game
// is still unwinding.
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

#include <QAction>
#include <QTest>

namespace {


struct ShownForm : TestForm {
    ShownForm()
    {
        form->Form_Load();
        form->show();
        QVERIFY(waitForExposed(*form));
    }
};

} // namespace

class TestMenus : public QObject {
    Q_OBJECT

private slots:
    void newGame_data()
    {
        QTest::addColumn<QString>("when");
        QTest::newRow("ready") << "ready";
        QTest::newRow("during a fall") << "fall";
        QTest::newRow("during the first-pass pause") << "pause";
        QTest::newRow("during the collapse animation") << "collapse";
        QTest::newRow("after a game over") << "over";
    }

    void newGame()
    {
        QFETCH(QString, when);
        ShownForm t;
        Form1& f = *t.form;
        const auto newGame = [&f] { f.o12->action()->trigger(); };
        if (when == "over") {
            playToGameOver(t);
            QVERIFY(!f.Command1->Visible());
            newGame();
        } else if (when == "ready") {
            newGame();
        } else {
            // Column 4 holds 1 and 1: the first piece clears three cells and collapses.
            setColumns(f, {"", "", "", "11"});
            t.random->play(drawsFor({1}));
            playAlternating(*t.random, 10);
            bool done = false;
            if (when == "fall") t.clock->at(300, newGame);
            t.clock->onYield = [&](std::int32_t deadline) {
                const std::int32_t length = deadline - f.waitStart;
                const bool settling = !f.Dio(0)->Visible();
                if (done || !settling) return;
                if ((when == "pause" && length == Pauses::kFirstPassPauseMs) ||
                    (when == "collapse" && length == Pauses::kFramePauseMs)) {
                    done = true;
                    newGame();
                    // The board, cash and labels are reset at once, under the running pass.
                    QCOMPARE(f.cash, 0);
                    QVERIFY(f.Command1->Visible());
                }
            };
            f.Command1_Click();
            QVERIFY(done || when == "fall");
        }
        expectReady(f);
        // gameOver is cleared when the next game starts, not by the reset.
        QCOMPARE(f.gameOver, when == "over");
        QVERIFY(!f.gameLoopRunning);
        QCOMPARE(f.lev->Caption(), QStringLiteral("1"));
    }

    void levelSevenBeforeContinue()
    {
        ShownForm t;
        Form1& f = *t.form;
        f.o221(6)->action()->trigger();
        for (int i = 0; i <= 9; ++i) QCOMPARE(f.o221(i)->Checked(), i == 6);
        QCOMPARE(f.lev->Caption(), QStringLiteral("1"));
        QCOMPARE(f.startLevel, Integer(7));
        QCOMPARE(f.level, Integer(7));
        playAlternating(*t.random, 10);
        QString captionDuringGame;
        t.clock->at(10, [&] { captionDuringGame = f.lev->Caption(); });
        GameRecorder game(t);
        game.stopAfter = 1;
        game.play();
        QCOMPARE(captionDuringGame, QStringLiteral("7"));
        QCOMPARE(game.stepPauses, (std::set<std::int32_t>{17}));
        // The reset after the stop shows the chosen level too.
        QCOMPARE(f.lev->Caption(), QStringLiteral("7"));
    }

    void levelMenuAfterGameOver()
    {
        ShownForm t;
        Form1& f = *t.form;
        playToGameOver(t);
        QVERIFY(f.o22->Enabled());
        f.o221(2)->action()->trigger();
        QCOMPARE(f.lev->Caption(), QStringLiteral("1"));
        f.o12->action()->trigger();
        QCOMPARE(f.lev->Caption(), QStringLiteral("3"));
        QVERIFY(f.o221(2)->Checked());
        QVERIFY(!f.o221(0)->Checked());
    }

    void hideNextTwice()
    {
        ShownForm t;
        Form1& f = *t.form;
        QVERIFY(f.Picture7->Visible());
        f.o21->action()->trigger();
        QVERIFY(f.o21->Checked());
        QVERIFY(!f.Picture7->Visible());
        f.o21->action()->trigger();
        QVERIFY(!f.o21->Checked());
        QVERIFY(f.Picture7->Visible());
    }

    void hideNextDuringAGame()
    {
        ShownForm t;
        Form1& f = *t.form;
        playAlternating(*t.random, 10);
        t.clock->at(100, [&f] { f.o21->action()->trigger(); });
        t.clock->at(200, [&f] { f.stopGame = true; });
        f.Command1_Click();
        QVERIFY(!f.Picture7->Visible());
        QVERIFY(f.o21->Checked());
    }

    void closeBeforeAnyGameEndsIt()
    {
        ShownForm t;
        Form1& f = *t.form;
        QVERIFY(f.close());
        QVERIFY(!f.isVisible());
        QVERIFY(f.stopGame);
    }

    void closeDuringAGameIsRefused()
    {
        ShownForm t;
        Form1& f = *t.form;
        playAlternating(*t.random, 10);
        bool closed = true;
        t.clock->at(300, [&] { closed = f.close(); });
        f.Command1_Click();
        QVERIFY(!closed);
        QVERIFY(f.isVisible());
        // The game stopped: the piece dropped, the board was cleared, "Continue" is back.
        QCOMPARE(t.clock->now, 300 + Pauses::kFirstPassPauseMs);
        expectReady(f);
        QVERIFY(!f.gameOver);
        // The second close ends the program.
        QVERIFY(f.close());
        QVERIFY(!f.isVisible());
    }

    void closeAfterGameOverEndsIt()
    {
        ShownForm t;
        Form1& f = *t.form;
        playToGameOver(t);
        QVERIFY(f.close());
        QVERIFY(!f.isVisible());
    }

    void aCloseDuringACueWaitsForItsEnd()
    {
        ShownForm t;
        Form1& f = *t.form;
        // A bomb lands on row 12 after 104 steps of 23 ms; its cue holds the game 1565 ms.
        setColumns(f, {"", "", "", "2"});
        t.random->play(drawsFor({12}));
        playAlternating(*t.random, 5);
        constexpr std::int32_t kLanding = 104 * 23;
        constexpr std::int32_t kBombCue = 1565;
        bool closed = true;
        std::int32_t handledAt = -1;
        t.clock->at(kLanding + 100, [&] {
            handledAt = t.clock->now;
            closed = f.close();
        });
        f.Command1_Click();
        QCOMPARE(t.cuesPlayed().size(), std::size_t(1));
        QCOMPARE(t.cuesPlayed().front().at, kLanding);
        // Nothing ran while the cue played; the close came after it, was refused, and stopped the game.
        QVERIFY2(handledAt >= kLanding + kBombCue, qPrintable(QString::number(handledAt)));
        QVERIFY(!closed);
        QVERIFY(f.isVisible());
        expectReady(f);
    }

    void closeWhileAStoppedGameUnwinds()
    {
        ShownForm t;
        Form1& f = *t.form;
        playAlternating(*t.random, 10);
        bool closed = false;
        t.clock->at(300, [&f] { f.o12->action()->trigger(); });
        t.clock->at(310, [&] { closed = f.close(); });
        f.Command1_Click();
        // The close was granted inside the unwinding loop; the loop still ran to its end.
        QVERIFY(closed);
        QVERIFY(!f.isVisible());
        QVERIFY(!f.gameLoopRunning);
        QCOMPARE(t.clock->now, 300 + Pauses::kFirstPassPauseMs);
        expectReady(f);
    }
};

QTEST_MAIN(TestMenus)
#include "test_menus.moc"
