// Matching and clearing as tables: which lines clear, what they pay, what
// each special block does, the level it leads to and the cue it chooses.
#include "support/GameScript.h"
#include "support/TestForm.h"

#include "game/Pauses.h"
#include "window/forms/Label.h"

#include <QTest>

namespace {

// Settles the board and reports the cue held at the first settling pause.
Integer settle(TestForm& t)
{
    Form1& f = *t.form;
    Integer cue = -2;
    t.clock->onYield = [&](std::int32_t deadline) {
        if (cue == -2 && deadline - f.waitStart == Pauses::kFirstPassPauseMs) cue = f.soundCue;
    };
    f.SettleBoard();
    t.clock->onYield = nullptr;
    return cue;
}

int topRow(const Form1& f, int column)
{
    int row = BoardSize::kBottomRow;
    while (row > 0 && f.board(column, row - 1) != Cell::kEmpty) --row;
    return row;
}

} // namespace

class TestMatching : public QObject {
    Q_OBJECT

private slots:
    void lines_data()
    {
        QTest::addColumn<QStringList>("board");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<int>("cash");
        QTest::newRow("across") << QStringList{"1", "1", "1", "2"} << QStringList{"", "", "", "2"} << 3;
        QTest::newRow("down") << QStringList{"2111"} << QStringList{"2"} << 3;
        QTest::newRow("diagonal") << QStringList{"1", "21", "221"} << QStringList{"", "2", "22"} << 3;
        QTest::newRow("other diagonal") << QStringList{"221", "21", "1"} << QStringList{"22", "2", ""} << 3;
        QTest::newRow("two and a different one") << QStringList{"1", "1", "2"} << QStringList{"1", "1", "2"} << 0;
        QTest::newRow("3 joker 3") << QStringList{"3", "7", "3"} << QStringList{"", "", ""} << 3;
        QTest::newRow("3 joker 5") << QStringList{"3", "7", "5"} << QStringList{"3", "7", "5"} << 0;
        QTest::newRow("joker joker colour") << QStringList{"7", "7", "6"} << QStringList{"", "", ""} << 3;
        QTest::newRow("joker joker shower") << QStringList{"", "778"} << QStringList{"", ""} << 3;
        QTest::newRow("three jokers") << QStringList{"777"} << QStringList{""} << 3;
        QTest::newRow("shower shower shower") << QStringList{"888"} << QStringList{""} << 3;
        QTest::newRow("shower joker shower") << QStringList{"8", "7", "8"} << QStringList{"", "", ""} << 3;
        QTest::newRow("shower colour shower") << QStringList{"8", "1", "8"} << QStringList{"8", "1", "8"} << 0;
        QTest::newRow("four in a row pays 4") << QStringList{"", "4", "4", "4", "4"} << QStringList{"", "", "", "", ""} << 4;
        QTest::newRow("a cross is paid once a cell")
            << QStringList{"1", "111", "1"} << QStringList{"", "", ""} << 5;
        QTest::newRow("against the wall") << QStringList{"1", "1"} << QStringList{"1", "1"} << 0;
        QTest::newRow("against the floor") << QStringList{"11"} << QStringList{"11"} << 0;
        QTest::newRow("right wall") << QStringList{"", "", "", "", "", "2", "2"} << QStringList{"", "", "", "", "", "2", "2"} << 0;
        QTest::newRow("removed codes never match") << QStringList{"5", "5", "e"} << QStringList{"5", "5", ""} << 0;
        QTest::newRow("column blocks never match") << QStringList{"999"} << QStringList{""} << 0;
        QTest::newRow("chain: the fall makes a new line")
            << QStringList{"2212", "331", "441"} << QStringList{"", "33", "44"} << 6;
    }

    void lines()
    {
        QFETCH(QStringList, board);
        QFETCH(QStringList, after);
        QFETCH(int, cash);
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        setColumns(f, board);
        f.soundCue = -1;
        const Integer cue = settle(t);
        QStringList expected = after;
        while (expected.size() < 7) expected << QString();
        QCOMPARE(columnsOf(f), expected);
        QCOMPARE(f.cash, cash);
        QCOMPARE(f.lova->Caption(), QStringLiteral("%1$").arg(cash));
        QCOMPARE(cue, Integer(cash > 0 ? 1 : -1));
        QVERIFY(boardIsSound(f));
    }

    void specials_data()
    {
        QTest::addColumn<QStringList>("board");  // the special is the top of column landed
        QTest::addColumn<int>("landed");
        QTest::addColumn<QStringList>("applied");
        QTest::addColumn<int>("cue");         // set by the special
        QTest::addColumn<int>("playedCue");   // held at the first pause
        QTest::addColumn<QStringList>("settled");
        QTest::addColumn<int>("cash");

        QTest::newRow("shower on shower: one onto every column, the three stacked pay")
            << QStringList{"", "121212", "", "88", "212121", "", ""} << 4
            << QStringList{"8", "1212128", "8", "888", "2121218", "8", "8"} << 2 << 1
            << QStringList{"8", "1212128", "8", "", "2121218", "8", "8"} << 3;
        QTest::newRow("shower on a colour does nothing")
            << QStringList{"", "", "", "18"} << 4 << QStringList{"", "", "", "18"} << -1 << -1
            << QStringList{"", "", "", "18"} << 0;
        QTest::newRow("a column without room gets no shower")
            << QStringList{"12121212121212", "", "121", "88", "21212", "", "212"} << 4
            << QStringList{"12121212121212", "8", "1218", "888", "212128", "8", "2128"} << 2 << 1
            << QStringList{"12121212121212", "8", "1218", "", "212128", "8", "2128"} << 3;
        QTest::newRow("column block takes the whole run")
            << QStringList{"", "2", "1219"} << 3 << QStringList{"", "2", "9999"} << 4 << 4
            << QStringList{"", "2", ""} << 0;
        QTest::newRow("column block on the floor") << QStringList{"", "", "9", "1"} << 3
            << QStringList{"", "", "9", "1"} << 4 << 4 << QStringList{"", "", "", "1"} << 0;
        QTest::newRow("row block takes the row below")
            << QStringList{"1", "2", "1a", "", "21"} << 3 << QStringList{"a", "a", "aa", "", "a1"} << 4 << 4
            << QStringList{"", "", "", "", "1"} << 0;
        QTest::newRow("row block on the floor removes only itself")
            << QStringList{"", "", "1", "a", "1"} << 4 << QStringList{"", "", "1", "a", "1"} << 4 << 4
            << QStringList{"", "", "1", "", "1"} << 0;
        QTest::newRow("colour block takes its colour everywhere")
            << QStringList{"3", "13", "3b", "", "31"} << 3 << QStringList{"b", "1b", "bb", "", "b1"} << 5 << 5
            << QStringList{"", "1", "", "", "1"} << 0;
        QTest::newRow("colour block on the floor removes only itself")
            << QStringList{"", "", "2", "b"} << 4 << QStringList{"", "", "2", "b"} << 5 << 5
            << QStringList{"", "", "2", ""} << 0;
        QTest::newRow("colour block on a joker takes the jokers")
            << QStringList{"7", "", "17b"} << 3 << QStringList{"b", "", "1bb"} << 5 << 5
            << QStringList{"", "", "1"} << 0;
        QTest::newRow("bomb blasts below and beside")
            << QStringList{"", "", "12", "21c", "1212"} << 4 << QStringList{"", "", "1d", "2dd", "1ddd"} << 3 << 3
            << QStringList{"", "", "1", "2", "1"} << 0;
        QTest::newRow("bomb beside the wall") << QStringList{"1c", "22"} << 1 << QStringList{"dd", "dd"} << 3 << 3
            << QStringList{"", ""} << 0;
        QTest::newRow("bomb on the floor") << QStringList{"", "", "1", "c", "2"} << 4
            << QStringList{"", "", "d", "d", "d"} << 3 << 3 << QStringList{"", "", "", "", ""} << 0;
    }

    void specials()
    {
        QFETCH(QStringList, board);
        QFETCH(int, landed);
        QFETCH(QStringList, applied);
        QFETCH(int, cue);
        QFETCH(int, playedCue);
        QFETCH(QStringList, settled);
        QFETCH(int, cash);
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        setColumns(f, board);
        f.pieceLast = 0;
        f.pieceCol = static_cast<Integer>(landed);
        f.pieceRow = static_cast<Integer>(topRow(f, landed));
        f.soundCue = -1;
        f.ApplySpecial();
        const auto padded = [](QStringList columns) {
            while (columns.size() < 7) columns << QString();
            return columns;
        };
        QCOMPARE(columnsOf(f), padded(applied));
        QCOMPARE(f.soundCue, Integer(cue));
        QCOMPARE(settle(t), Integer(playedCue));
        QCOMPARE(columnsOf(f), padded(settled));
        QCOMPARE(f.cash, cash);
        QVERIFY(boardIsSound(f));
    }

    void cashAndLevel_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<qint64>("cashBefore");
        QTest::addColumn<qint64>("cashAfter");
        QTest::addColumn<int>("levelAfter");
        QTest::newRow("the 51st cell raises level 1") << 1 << qint64(48) << qint64(51) << 2;
        QTest::newRow("50 is not above 50") << 1 << qint64(47) << qint64(50) << 1;
        QTest::newRow("level 5 needs more than 250") << 5 << qint64(249) << qint64(252) << 6;
        QTest::newRow("level 5 does not rise at 100") << 5 << qint64(97) << qint64(100) << 5;
        QTest::newRow("one level a cell at most") << 2 << qint64(200) << qint64(203) << 5;
        QTest::newRow("level 10 stays 10") << 10 << qint64(1000) << qint64(1003) << 10;
        QTest::newRow("cash passes 32767") << 10 << qint64(32766) << qint64(32769) << 10;
        QTest::newRow("cash passes 2^31") << 10 << qint64(2147483646) << qint64(2147483649) << 10;
    }

    void cashAndLevel()
    {
        QFETCH(int, level);
        QFETCH(qint64, cashBefore);
        QFETCH(qint64, cashAfter);
        QFETCH(int, levelAfter);
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        f.level = static_cast<Integer>(level);
        f.cash = cashBefore;
        f.lev->setCaption(QStringLiteral("old"));
        setColumns(f, {"1", "1", "1"});
        settle(t);
        QCOMPARE(f.cash, cashAfter);
        QCOMPARE(f.lova->Caption(), QString::number(cashAfter) + QLatin1Char('$'));
        QCOMPARE(f.level, Integer(levelAfter));
        // lev is rewritten whenever cash is above the mark, also at level 10.
        const bool rewritten = cashAfter > 50 * std::min(level, 10);
        QCOMPARE(f.lev->Caption(), rewritten ? QString::number(levelAfter) : QStringLiteral("old"));
    }

    void noEventStillPausesAndPlaysNothing()
    {
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        setColumns(f, {"12", "21"});
        f.soundCue = -1;
        const std::int32_t start = t.clock->now;
        QCOMPARE(settle(t), Integer(-1));
        QCOMPARE(t.clock->now - start, 250);
        QCOMPARE(f.soundCue, Integer(-1));
    }

    void laterPassesPlayNothing()
    {
        // The chain clears on the second pass: the cue at the first pause is still "none".
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        setColumns(f, {"2e22"});
        f.soundCue = -1;
        QCOMPARE(settle(t), Integer(-1));
        QCOMPARE(f.cash, 3);
        QCOMPARE(f.soundCue, Integer(1));
    }
};

QTEST_MAIN(TestMatching)
#include "test_matching.moc"
