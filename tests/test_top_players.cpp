// The top-players table in the window: loaded at start-up (or created),
// placed after a game over, saved every time, never after a stopped game,
// start-up going on whatever the file holds, and windows started in one
// directory keeping each other's results.
#include "support/GameScript.h"
#include "support/Scenarios.h"
#include "support/TableModel.h"
#include "support/TableWrites.h"
#include "support/TestForm.h"
#include "support/UnsavableTable.h"

#include "scores/TopPlayersFile.h"
#include "scores/TopPlayersLock.h"
#include "window/forms/Label.h"
#include "window/forms/MenuItem.h"
#include "window/forms/TextBox.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <future>
#include <limits>
#include <memory>
#include <thread>
#include <vector>

namespace {

const QByteArray kDefaultFile = QByteArray("Mirako\r\n0$\r\n").repeated(5);

QByteArray fileBytes(const TestForm& t)
{
    QFile file(t.directory.filePath(QStringLiteral("Vorn.nrz")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void putFile(const TestForm& t, const QByteArray& bytes)
{
    QFile file(t.directory.filePath(QStringLiteral("Vorn.nrz")));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) qFatal("cannot write the table");
}

QByteArray tableFile(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) bytes += line.toUtf8() + "\r\n";
    return bytes;
}

QStringList captions(const Form1& f)
{
    QStringList lines;
    for (int i = 0; i <= 4; ++i) lines << f.topime(i)->Caption() << f.topcash(i)->Caption();
    return lines;
}

QStringList defaultTable()
{
    QStringList table;
    for (int i = 0; i <= 4; ++i) table << "Mirako" << "0$";
    return table;
}

// The game over that ends with 3$: a shower on a shower lifts columns 2 and 6 into row 3.
void playToGameOverWith3(TestForm& t)
{
    setColumns(*t.form, {"", "1212121212", "1", "2121218", "2", "1212121212", ""});
    t.random->play(drawsFor({8}));
    t.form->Command1_Click();
    QVERIFY(t.form->gameOver);
}

// Two windows started in one directory: the second one's, which the second
// made the current one for both.
struct TwoWindows {
    TestForm first;
    TestForm second;

    QByteArray fileBytes() const { return ::fileBytes(second); }
};

// Holds the lock that windows take on their directory to enter a result, as
// a window stuck in the middle of its save would. It holds it from a thread
// of its own: a lock that the waiting thread held itself might let it in.
class StuckWindowLock {
public:
    explicit StuckWindowLock(const QString& directory)
        : holder([this, table = QDir(directory).filePath(kTopPlayersFileName)] {
              const TopPlayersLock lock(table);
              locked.set_value();
              released.get_future().wait();
          })
    {
        locked.get_future().wait();
    }
    ~StuckWindowLock()
    {
        released.set_value();
        holder.join();
    }
    StuckWindowLock(const StuckWindowLock&) = delete;
    StuckWindowLock& operator=(const StuckWindowLock&) = delete;

private:
    std::promise<void> locked;
    std::promise<void> released;
    std::thread holder;
};

constexpr qint64 kLockWaitMs = 1000;
constexpr qint64 kLockWaitToleranceMs = 2000;

// One window in its own process (racing_window) in the directory given.
class RacingWindow {
public:
    explicit RacingWindow(const QString& directory)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QStringLiteral(RACING_WINDOW_PROGRAM), {directory});
    }
    ~RacingWindow()
    {
        process.closeWriteChannel();
        if (!process.waitForFinished(kPatienceMs)) process.kill();
        process.waitForFinished();
    }
    RacingWindow(const RacingWindow&) = delete;
    RacingWindow& operator=(const RacingWindow&) = delete;

    // Enters the result when the steady clock reaches at.
    void enter(const QString& name, qint64 cash, std::chrono::steady_clock::time_point at)
    {
        const auto nanoseconds = std::chrono::duration_cast<std::chrono::nanoseconds>(at.time_since_epoch()).count();
        process.write(QStringLiteral("%1 %2 %3\n").arg(name).arg(cash).arg(nanoseconds).toUtf8());
        // QProcess writes only from its event loop or when told to wait.
        process.waitForBytesWritten(kPatienceMs);
    }

    // Takes the table's lock and holds it until killed.
    void holdTheLock()
    {
        process.write("hold\n");
        process.waitForBytesWritten(kPatienceMs);
    }
    void kill()
    {
        process.kill();
        process.waitForFinished(kPatienceMs);
    }

    // The next line the window says, or nothing if it says none in time.
    QByteArray nextLine()
    {
        while (!process.canReadLine())
            if (!process.waitForReadyRead(kPatienceMs)) return {};
        return process.readLine().trimmed();
    }

private:
    static constexpr int kPatienceMs = 10'000;
    QProcess process;
};

constexpr int kRacingWindows = 4;
constexpr int kRaces = 50;
// Time enough for every window to read its line before the moment comes.
constexpr std::chrono::milliseconds kRaceStartsIn{20};

constexpr qint64 kFourGigabytes = qint64(4) << 30;
constexpr qint64 kStartUpToleranceUs = 50'000;
constexpr int kStartUpTries = 3;

// The shortest of a few start-ups, each in a fresh directory that prepare
// fills with the file.
template <typename Prepare>
qint64 fastestStartUpUs(Prepare prepare)
{
    qint64 fastest = std::numeric_limits<qint64>::max();
    for (int i = 0; i < kStartUpTries; ++i) {
        TestForm t;
        prepare(t);
        QElapsedTimer timer;
        timer.start();
        t.form->Form_Load();
        fastest = std::min(fastest, timer.nsecsElapsed() / 1000);
    }
    return fastest;
}

} // namespace

class TestTopPlayers : public QObject {
    Q_OBJECT

private slots:
    void firstStartCreatesTheDefaultTable()
    {
        TestForm t;
        t.form->Form_Load();
        QCOMPARE(fileBytes(t), kDefaultFile);
        QStringList defaults;
        for (int i = 0; i <= 4; ++i) defaults << "Mirako" << "0$";
        QCOMPARE(captions(*t.form), defaults);
    }

    void loadsTheFileAsItStands()
    {
        TestForm t;
        const QStringList table{"Ann", "300$", "Bo", "10$", "Cy", "200$", "Di", "5$", "Ed", "x"};
        putFile(t, tableFile(table));
        t.form->Form_Load();
        QCOMPARE(captions(*t.form), table);
        // Loading writes nothing.
        QCOMPARE(fileBytes(t), tableFile(table));
    }

    void placing_data()
    {
        QTest::addColumn<QStringList>("table");
        QTest::addColumn<qint64>("cash");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("after");
        const QStringList ranked{"A", "100$", "B", "80$", "C", "50$", "D", "30$", "E", "10$"};
        QTest::newRow("0 on the default table goes first")
            << QStringList{"Mirako", "0$", "Mirako", "0$", "Mirako", "0$", "Mirako", "0$", "Mirako", "0$"}
            << qint64(0) << "Player"
            << QStringList{"Player", "0$", "Mirako", "0$", "Mirako", "0$", "Mirako", "0$", "Mirako", "0$"};
        QTest::newRow("a tie with rank 3 goes above it") << ranked << qint64(50) << "New"
            << QStringList{"A", "100$", "B", "80$", "New", "50$", "C", "50$", "D", "30$"};
        QTest::newRow("best of all") << ranked << qint64(1000) << "Top"
            << QStringList{"Top", "1000$", "A", "100$", "B", "80$", "C", "50$", "D", "30$"};
        QTest::newRow("last place") << ranked << qint64(10) << "Low"
            << QStringList{"A", "100$", "B", "80$", "C", "50$", "D", "30$", "Low", "10$"};
        QTest::newRow("below all five leaves the table") << ranked << qint64(9) << "Out" << ranked;
        QTest::newRow("an empty name") << ranked << qint64(60) << ""
            << QStringList{"A", "100$", "B", "80$", "", "60$", "C", "50$", "D", "30$"};
        QTest::newRow("120$ reads as 120")
            << QStringList{"A", "120$", "B", "0$", "C", "0$", "D", "0$", "E", "0$"} << qint64(120) << "Same"
            << QStringList{"Same", "120$", "A", "120$", "B", "0$", "C", "0$", "D", "0$"};
        QTest::newRow("a table out of order stays out of order")
            << QStringList{"A", "10$", "B", "100$", "C", "50$", "D", "30$", "E", "1$"} << qint64(20) << "P"
            << QStringList{"P", "20$", "A", "10$", "B", "100$", "C", "50$", "D", "30$"};
        QTest::newRow("awkward cash texts")
            << QStringList{"A", " 1 2 0$", "B", "1e2$", "C", "12.5x", "D", "$5", "E", ""} << qint64(12) << "P"
            << QStringList{"A", " 1 2 0$", "B", "1e2$", "C", "12.5x", "P", "12$", "D", "$5"};
        QTest::newRow("a negative cash text") << QStringList{"A", "-5$", "B", "", "C", "", "D", "", "E", ""}
            << qint64(0) << "P" << QStringList{"P", "0$", "A", "-5$", "B", "", "C", "", "D", ""};
    }

    void placing()
    {
        QFETCH(QStringList, table);
        QFETCH(qint64, cash);
        QFETCH(QString, name);
        QFETCH(QStringList, after);
        TestForm t;
        Form1& f = *t.form;
        putFile(t, QByteArray("stale"));
        for (int i = 0; i <= 4; ++i) {
            f.topime(i)->setCaption(table[2 * i]);
            f.topcash(i)->setCaption(table[2 * i + 1]);
        }
        f.cash = cash;
        f.lova->setCaption(QString::number(cash) + QLatin1Char('$'));
        f.ime->setText(name);
        f.InsertTopPlayer();
        QCOMPARE(captions(f), after);
        // The file is rewritten every time, also when nothing changed.
        QCOMPARE(fileBytes(t), tableFile(after));
    }

    void aGameOverEntersTheResultOnce()
    {
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        f.ime->setText(QStringLiteral("Čeněk"));
        playToGameOver(t);
        QStringList expected{"Čeněk", "0$"};
        for (int i = 0; i < 4; ++i) expected << "Mirako" << "0$";
        QCOMPARE(captions(f), expected);
        QCOMPARE(fileBytes(t), QByteArray("\xC8" "en\xEC" "k\r\n0$\r\n") + QByteArray("Mirako\r\n0$\r\n").repeated(4));
        // The lock that windows in one directory share leaves no file of its own.
        QCOMPARE(QDir(t.directory.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{"Vorn.nrz"});
    }

    void twoWindowsInOneDirectoryKeepBothResults_data()
    {
        QTest::addColumn<bool>("firstEndsFirst");
        QTest::newRow("the first window's game ends first") << true;
        QTest::newRow("the second window's game ends first") << false;
    }

    void twoWindowsInOneDirectoryKeepBothResults()
    {
        QFETCH(bool, firstEndsFirst);
        TwoWindows windows;
        Form1& first = *windows.first.form;
        Form1& second = *windows.second.form;
        first.Form_Load();
        second.Form_Load();
        first.ime->setText(QStringLiteral("Ann"));
        second.ime->setText(QStringLiteral("Bo"));
        if (firstEndsFirst) {
            playToGameOverWith3(windows.first);
            playToGameOver(windows.second);
        } else {
            playToGameOver(windows.second);
            playToGameOverWith3(windows.first);
        }
        const QStringList both = enterResult(enterResult(defaultTable(), "Ann", 3).table, "Bo", 0).table;
        QCOMPARE(windows.fileBytes(), asciiTableFile(both));
        // The window that saved last shows what it saved.
        QCOMPARE(captions(firstEndsFirst ? second : first), both);
    }

    // A window whose save failed keeps its result on screen, and enters the
    // next one in the table as it shows it, not as the file holds it.
    void aResultThatCouldNotBeSavedIsKeptByTheNextSave()
    {
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        f.ime->setText(QStringLiteral("Ann"));
        {
            const UnsavableTable unsavable(t.directory.path());
            playToGameOverWith3(t);
        }
        f.ime->setText(QStringLiteral("Bo"));
        f.NewGameReset();
        playToGameOver(t);
        const QStringList both = enterResult(enterResult(defaultTable(), "Ann", 3).table, "Bo", 0).table;
        QCOMPARE(captions(f), both);
        QCOMPARE(fileBytes(t), asciiTableFile(both));
    }

    void aStuckWindowDelaysTheSaveByAboutASecond()
    {
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        QElapsedTimer timer;
        {
            const StuckWindowLock stuck(t.directory.path());
            timer.start();
            playToGameOver(t);
        }
        const qint64 elapsedMs = timer.elapsed();
        QVERIFY2(elapsedMs >= kLockWaitMs * 9 / 10 && elapsedMs <= kLockWaitMs + kLockWaitToleranceMs,
                 qPrintable(QString::number(elapsedMs) + " ms"));
        QCOMPARE(fileBytes(t), asciiTableFile(enterResult(defaultTable(), "Player", 0).table));
        for (QWidget* window : QApplication::topLevelWidgets()) QVERIFY(!qobject_cast<QDialog*>(window));
    }

    // A window that dies in the middle of its save frees the lock with it:
    // the next window saves at once.
    void aWindowThatDiesHoldingTheLockFreesIt()
    {
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        {
            RacingWindow dying(t.directory.path());
            QCOMPARE(dying.nextLine(), QByteArray("ready"));
            dying.holdTheLock();
            QCOMPARE(dying.nextLine(), QByteArray("locked"));
            dying.kill();
        }
        QElapsedTimer timer;
        timer.start();
        playToGameOver(t);
        const qint64 elapsedMs = timer.elapsed();
        QVERIFY2(elapsedMs < kLockWaitMs / 2, qPrintable(QString::number(elapsedMs) + " ms"));
        QCOMPARE(fileBytes(t), asciiTableFile(enterResult(defaultTable(), "Player", 0).table));
    }

    // Games ending at the same moment in separate processes, race after race:
    // each race's results all beat the ones before, so every one must show.
    void gameOversAtTheSameMomentInFourProcesses()
    {
        const TemporaryWorkingDirectory directory;
        std::vector<std::unique_ptr<RacingWindow>> windows;
        for (int w = 0; w < kRacingWindows; ++w) windows.push_back(std::make_unique<RacingWindow>(directory.path()));
        for (auto& window : windows) QCOMPARE(window->nextLine(), QByteArray("ready"));
        QStringList expected = defaultTable();
        for (int race = 1; race <= kRaces; ++race) {
            const auto start = std::chrono::steady_clock::now() + kRaceStartsIn;
            for (int w = 0; w < kRacingWindows; ++w) {
                const QString name = QStringLiteral("W%1R%2").arg(w).arg(race);
                const qint64 cash = kRacingWindows * race + w;
                windows[static_cast<std::size_t>(w)]->enter(name, cash, start);
                expected = enterResult(expected, name, cash).table;
            }
            for (auto& window : windows) QCOMPARE(window->nextLine(), QByteArray("saved"));
            QFile file(directory.filePath(QStringLiteral("Vorn.nrz")));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY2(file.readAll() == asciiTableFile(expected), qPrintable(QStringLiteral("race %1").arg(race)));
        }
    }

    void aStoppedGameIsNotEntered_data()
    {
        QTest::addColumn<bool>("byClose");
        QTest::addColumn<QList<int>>("piece");
        // The board is reset at once: three of a kind clear each other there, and cue 1 would follow.
        QTest::newRow("New game through its menu item") << false << QList<int>{1, 1, 1};
        // The board stays: the piece reaches row 3, and cue 6 and an entry would follow.
        QTest::newRow("a close request") << true << QList<int>{3, 4, 5};
    }

    void aStoppedGameIsNotEntered()
    {
        QFETCH(bool, byClose);
        QFETCH(QList<int>, piece);
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        TableWrites writes(t.directory.path(), QStringLiteral("Vorn.nrz"));
        const QStringList table = captions(f);
        setColumns(f, {"", "", "", "1212121212"});
        t.random->play(drawsFor(std::vector<Integer>(piece.begin(), piece.end())));
        // 50 ms in, the first piece is falling.
        t.clock->at(50, [&f, byClose] {
            if (byClose)
                f.close();
            else
                f.o12->action()->trigger();
        });
        f.Command1_Click();
        QVERIFY(!f.gameOver);
        QVERIFY(t.cuesPlayed().empty());
        QCOMPARE(writes.count(), 0);
        QCOMPARE(fileBytes(t), kDefaultFile);
        QCOMPARE(captions(f), table);
        QCOMPARE(f.lova->Caption(), QStringLiteral("0$"));
        QVERIFY(!f.o11->Enabled());
    }

    void twoColumnsInRow3AtOnceEnterAndSaveOnce()
    {
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        TableWrites writes(t.directory.path(), QStringLiteral("Vorn.nrz"));
        f.ime->setText(QStringLiteral("Ann"));
        // A shower on a shower lifts columns 2 and 6 into row 3 at the same landing.
        setColumns(f, {"", "1212121212", "1", "2121218", "2", "1212121212", ""});
        t.random->play(drawsFor({8}));
        f.Command1_Click();
        QVERIFY(f.gameOver);
        QVERIFY(f.board(2, 3) > 0 && f.board(6, 3) > 0);
        QCOMPARE(writes.count(), 1);
        QStringList expected{"Ann", "3$"};
        for (int i = 0; i < 4; ++i) expected << "Mirako" << "0$";
        QCOMPARE(captions(f), expected);
        QCOMPARE(fileBytes(t), tableFile(expected));
    }

    void startUpGoesOnWhateverTheFileHolds_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("fewer than ten lines: the rest empty") << QByteArray("Ann\r\n7$\r\nBo\r\n")
            << QStringList{"Ann", "7$", "Bo", "", "", "", "", "", "", ""};
        QTest::newRow("more than ten lines")
            << tableFile({"a", "1", "b", "2", "c", "3", "d", "4", "e", "5", "f", "6"})
            << QStringList{"a", "1", "b", "2", "c", "3", "d", "4", "e", "5"};
        QTest::newRow("an empty file") << QByteArray() << QStringList(10, QString());
        QTest::newRow("a 10 MB line: what follows it is not read") << QByteArray(10 << 20, 'z') + "\r\n5$\r\n"
            << QStringList{QString(1024, QLatin1Char('z')), "", "", "", "", "", "", "", "", ""};
        QTest::newRow("markup stays text") << QByteArray("<b>bold</b>\r\n1$\r\n")
            << QStringList{"<b>bold</b>", "1$", "", "", "", "", "", "", "", ""};
    }

    void startUpGoesOnWhateverTheFileHolds()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, labels);
        TestForm t;
        putFile(t, bytes);
        t.form->Form_Load();
        QCOMPARE(captions(*t.form), labels);
        QCOMPARE(t.form->lev->Caption(), QStringLiteral("1"));
        QCOMPARE(t.form->topime(0)->textFormat(), Qt::PlainText);
        // No message reaches the player.
        for (QWidget* window : QApplication::topLevelWidgets()) QVERIFY(!qobject_cast<QDialog*>(window));
    }

    // The constructor does not touch the file: Form_Load is all of start-up that could grow with it.
    void startUpTimeDoesNotGrowWithTheFile_data()
    {
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("4 GiB in one sparse line") << QByteArray("Mirako");
        QTest::newRow("4 GiB of zero bytes") << QByteArray();
    }

    void startUpTimeDoesNotGrowWithTheFile()
    {
        QFETCH(QByteArray, start);
        const qint64 defaultUs = fastestStartUpUs([](const TestForm& t) { putFile(t, kDefaultFile); });
        const qint64 hugeUs = fastestStartUpUs([&start](const TestForm& t) {
            putFile(t, start);
            // Growing the file leaves a hole: it takes no disk.
            if (!QFile::resize(t.directory.filePath(QStringLiteral("Vorn.nrz")), kFourGigabytes)) qFatal("cannot grow the table");
        });
        qInfo("start-up: %.2f ms with the default file, %.2f ms with 4 GiB", defaultUs / 1000.0, hugeUs / 1000.0);
        QVERIFY2(hugeUs - defaultUs <= kStartUpToleranceUs, qPrintable(QString::number(hugeUs) + " us"));
    }

    void aDirectoryInTheFilesPlace()
    {
        TestForm t;
        QVERIFY(QDir(t.directory.path()).mkdir(QStringLiteral("Vorn.nrz")));
        Form1& f = *t.form;
        f.Form_Load();
        QCOMPARE(captions(f), QStringList(10, QString()));
        // Saving fails without a word, and the table in the window still changes.
        playToGameOver(t);
        QCOMPARE(f.topime(0)->Caption(), QStringLiteral("Player"));
        QVERIFY(QFileInfo(t.directory.filePath(QStringLiteral("Vorn.nrz"))).isDir());
    }

    // As on a read-only medium, in a directory the player may not write, or
    // with the file held by another program: the window's table changes, the
    // file does not, and nobody is told.
    void aTableThatCannotBeSavedStaysAndTheGameGoesOn()
    {
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        const QStringList entries = QDir(t.directory.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        {
            const UnsavableTable unsavable(t.directory.path());
            f.ime->setText(QStringLiteral("Ann"));
            playToGameOver(t);
            f.ime->setText(QStringLiteral("Bo"));
            playToGameOver(t);
        }
        QStringList expected{"Bo", "0$", "Ann", "0$"};
        for (int i = 0; i < 3; ++i) expected << "Mirako" << "0$";
        QCOMPARE(captions(f), expected);
        QCOMPARE(fileBytes(t), kDefaultFile);
        QCOMPARE(QDir(t.directory.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), entries);
        for (QWidget* window : QApplication::topLevelWidgets()) QVERIFY(!qobject_cast<QDialog*>(window));
    }

    void theNameBoxRefusesWhatTheFileCannotHold()
    {
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        f.ime->clear();
        // Typed one character at a time, as the keyboard delivers them.
        for (const QChar c : QString::fromUtf16(u"Ž\u03A9a\u65E5b")) f.ime->insert(QString(c));
        QCOMPARE(f.ime->Text(), QStringLiteral("Žab"));
    }
};

QTEST_MAIN(TestTopPlayers)
#include "test_top_players.moc"
