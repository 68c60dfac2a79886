// Which cue plays after which landing, in whole games on the virtual clock:
// once per landing at most, none on later passes, none while the game is
// stopping, and the first settling pause lasting the longer of 250 ms and
// the cue.
#include "support/GameRecorder.h"
#include "support/GameScript.h"
#include "support/Scenarios.h"

#include <QTest>

namespace {

std::vector<int> cueNumbers(const TestForm& t)
{
    std::vector<int> cues;
    for (const TestForm::CuePlay& play : t.cuesPlayed()) cues.push_back(play.cue);
    return cues;
}

} // namespace

class TestGameCues : public QObject {
    Q_OBJECT

private slots:
    void cuePerLanding_data()
    {
        QTest::addColumn<QStringList>("board");
        QTest::addColumn<QList<int>>("piece");
        QTest::addColumn<QList<int>>("cues");
        QTest::addColumn<int>("cash");
        QTest::newRow("a match: cue 1") << QStringList{"", "", "", "11"} << QList<int>{1} << QList<int>{1} << 3;
        QTest::newRow("nothing happens: no cue") << QStringList{"12", "21"} << QList<int>{3} << QList<int>{} << 0;
        QTest::newRow("a bomb: cue 3") << QStringList{"", "", "", "2"} << QList<int>{12} << QList<int>{3} << 0;
        QTest::newRow("a column block: cue 4") << QStringList{"", "", "", "12"} << QList<int>{9} << QList<int>{4} << 0;
        QTest::newRow("a row block: cue 4") << QStringList{"", "", "1", "2"} << QList<int>{10} << QList<int>{4} << 0;
        QTest::newRow("a colour block: cue 5") << QStringList{"3", "", "", "3"} << QList<int>{11} << QList<int>{5} << 0;
        QTest::newRow("a shower on a colour: no cue") << QStringList{"", "", "", "1"} << QList<int>{8} << QList<int>{} << 0;
        QTest::newRow("a shower on a shower: the match's cue 1 wins over 2")
            << QStringList{"", "121212", "", "8", "212121"} << QList<int>{8} << QList<int>{1} << 3;
        QTest::newRow("a chain plays once") << QStringList{"", "", "331", "22", "441"} << QList<int>{2, 1}
                                            << QList<int>{1} << 6;
    }

    void cuePerLanding()
    {
        QFETCH(QStringList, board);
        QFETCH(QList<int>, piece);
        QFETCH(QList<int>, cues);
        QFETCH(int, cash);
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        setColumns(f, board);
        t.random->play(drawsFor(std::vector<Integer>(piece.begin(), piece.end())));
        playAlternating(*t.random, 5);
        std::int64_t cashAfterLanding = -1;
        GameRecorder game(t);
        game.stopAfter = 1;
        game.onSettled = [&] {
            if (cashAfterLanding < 0) cashAfterLanding = f.cash;
        };
        game.play();
        QCOMPARE(cueNumbers(t), std::vector<int>(cues.begin(), cues.end()));
        QCOMPARE(cashAfterLanding, cash);
    }

    void gameOverPlaysCue6Once()
    {
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        // A shower on a shower lifts columns 2 and 6 into row 3 at the same landing.
        setColumns(f, {"", "1212121212", "1", "2121218", "2", "1212121212", ""});
        t.random->play(drawsFor({8}));
        f.Command1_Click();
        QVERIFY(f.gameOver);
        QCOMPARE(cueNumbers(t), (std::vector<int>{1, 6}));
    }

    void aWholeGameEndsWithCue6()
    {
        TestForm t;
        t.form->Form_Load();
        playToGameOver(t);
        QCOMPARE(cueNumbers(t), std::vector<int>{6});
    }

    void silentWhileTheGameIsStopping()
    {
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        f.show();
        // The landing would clear three cells, but a close request came first.
        setColumns(f, {"", "", "", "11"});
        t.random->play(drawsFor({1}));
        playAlternating(*t.random, 5);
        t.clock->at(300, [&f] { f.close(); });
        f.Command1_Click();
        QVERIFY(cueNumbers(t).empty());
    }

    void theFirstPauseLastsTheLongerOf250msAndTheCue_data()
    {
        QTest::addColumn<QStringList>("board");
        QTest::addColumn<int>("landed");
        QTest::addColumn<int>("settleMs");
        constexpr int kRemovalPass = 17 * 14;
        QTest::newRow("no cue: 250 ms") << QStringList{"1"} << 0 << 250;
        QTest::newRow("cue 1 (231 ms) sits inside 250 ms")
            << QStringList{"1", "1", "1"} << 0 << 250 + kRemovalPass;
        QTest::newRow("cue 3 (1565 ms) holds the game") << QStringList{"", "", "", "c"} << 4 << 1565 + kRemovalPass;
        QTest::newRow("cue 5 (781 ms)") << QStringList{"", "", "", "b"} << 4 << 781 + kRemovalPass;
        QTest::newRow("cue 4 (976 ms)") << QStringList{"", "", "", "a"} << 4 << 976 + kRemovalPass;
    }

    void theFirstPauseLastsTheLongerOf250msAndTheCue()
    {
        QFETCH(QStringList, board);
        QFETCH(int, landed);
        QFETCH(int, settleMs);
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        setColumns(f, board);
        f.soundCue = -1;
        if (landed > 0) {
            f.pieceLast = 0;
            f.pieceCol = static_cast<Integer>(landed);
            f.pieceRow = 13;
            f.ApplySpecial();
        }
        const std::int32_t start = t.clock->now;
        f.SettleBoard();
        QCOMPARE(t.clock->now - start, settleMs);
        QVERIFY(t.cuesPlayed().size() <= 1);
    }
};

QTEST_MAIN(TestGameCues)
#include "test_game_cues.moc"
