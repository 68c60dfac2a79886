// The file of the top-players table: its bytes, bad and hostile files, and
// saves that fail or are cut short.
#include "scores/TopPlayersFile.h"
#include "support/FileSizeLimit.h"
#include "support/SaveLoopTables.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <chrono>
#include <future>
#include <memory>
#include <optional>
#include <random>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

constexpr qsizetype kTenMegabytes = 10 * 1024 * 1024;
constexpr qsizetype kWriteChunkBytes = 64 * 1024;
// Reading a 10 MB line must not hold it: the peak memory may grow by far less.
constexpr qint64 kMaxPeakGrowthKilobytes = 2 * 1024;
// AddressSanitizer's allocator keeps freed blocks in quarantine and maps shadow
// pages, so under it the peak is not the reader's own; the bound holds elsewhere.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VORN_UNDER_ADDRESS_SANITIZER
#endif
#endif
// Each kill starts a save loop; under AddressSanitizer a start costs several times as much.
#ifdef VORN_UNDER_ADDRESS_SANITIZER
constexpr bool kPeakMemoryIsTheReaders = false;
constexpr qint64 kMaxKillTestMs = 90'000;
#else
constexpr bool kPeakMemoryIsTheReaders = true;
constexpr qint64 kMaxKillTestMs = 30'000;
#endif
constexpr qint64 kMaxTenMegabyteReadMs = 2000;
// What "returns at once" allows on a loaded machine; a blocked open never returns.
constexpr auto kNoBlockPatience = 2s;
constexpr int kKills = 200;
constexpr int kMaxKillDelayUs = 4000;
constexpr int kChildStartPatienceMs = 5000;
constexpr unsigned kKillDelaySeed = 1250;
constexpr rlim_t kTinyFileSizeLimit = 16;

constexpr int kByteValues = 256;
constexpr int kRanks = 5;
constexpr char kPeakMemoryKey[] = "VmHWM:";

// The save loop's first table is the default one.
const QStringList kDefaultTable = kSaveLoopFirstTable;
const QByteArray kDefaultTableBytes = QByteArray("Mirako\r\n0$\r\n").repeated(kRanks);

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void putFileBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray crlfLines(const QList<QByteArray>& lines)
{
    QByteArray bytes;
    for (const QByteArray& line : lines) bytes += line + "\r\n";
    return bytes;
}

QByteArray tableBytes(const QStringList& table)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(kTopPlayersFileName);
    return writeTopPlayersFile(path, table) ? fileBytes(path) : QByteArray();
}

QStringList repeated(const QString& line, int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i) lines.append(line);
    return lines;
}

// Peak resident memory of this process, in kB; the reset makes the peak the
// present, so what follows is measured alone.
qint64 peakMemoryKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(kPeakMemoryKey)) {
            return line.mid(qsizetype(sizeof kPeakMemoryKey) - 1).trimmed().split(' ').first().toLongLong();
        }
    }
    return -1;
}

bool resetPeakMemory()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    return clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1;
}

// Runs a file operation on a thread of its own and waits a while for it, so
// that one that blocks or never ends fails the test instead of stalling it.
// The operation must own what it uses: a stuck thread outlives the test.
template <typename Operation>
auto resultWithinPatience(Operation operation) -> std::optional<decltype(operation())>
{
    using Result = decltype(operation());
    auto promise = std::make_shared<std::promise<Result>>();
    std::future<Result> future = promise->get_future();
    std::thread([promise, operation] { promise->set_value(operation()); }).detach();
    if (future.wait_for(kNoBlockPatience) != std::future_status::ready) return std::nullopt;
    return future.get();
}

QStringList filesIn(const QTemporaryDir& dir)
{
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

}  // namespace

class TestTopPlayersFile : public QObject {
    Q_OBJECT

private slots:
    void writesTheDefaultTableByteForByte()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(kTopPlayersFileName);
        QVERIFY(writeTopPlayersFile(path, kDefaultTable));
        QCOMPARE(fileBytes(path), kDefaultTableBytes);
        QCOMPARE(filesIn(dir), QStringList{kTopPlayersFileName});
    }

    void centralEuropeanNamesAreSingleBytesAndReadBack()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(kTopPlayersFileName);
        const QStringList table = {
            QString::fromUtf8("Čeněk"), QStringLiteral("120$"), QString::fromUtf8("Łódź"), QStringLiteral("99$"),
            QString::fromUtf8("Ťažký"), QStringLiteral("50$"), QString::fromUtf8("Ődön"), QStringLiteral("7$"),
            QString(), QStringLiteral("0$"),
        };
        QVERIFY(writeTopPlayersFile(path, table));
        QCOMPARE(fileBytes(path), QByteArray("\xC8" "en\xEC" "k\r\n120$\r\n"
                                             "\xA3\xF3" "d\x9F\r\n99$\r\n"
                                             "\x8D" "a\x9E" "k\xFD\r\n50$\r\n"
                                             "\xD5" "d\xF6" "n\r\n7$\r\n"
                                             "\r\n0$\r\n"));
        const TopPlayersFileLines read = readTopPlayersFile(path);
        QCOMPARE(read.state, TopPlayersFileState::Read);
        QCOMPARE(read.lines, table);
    }

    void writesUnfitCharactersAndLineFeedsAsQuestionMarks()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(kTopPlayersFileName);
        QStringList table = kDefaultTable;
        table[0] = QString::fromUtf8("Иван");
        table[2] = QStringLiteral("a\nb");
        table[4] = QStringLiteral("a\rb");
        QVERIFY(writeTopPlayersFile(path, table));
        QCOMPARE(fileBytes(path), crlfLines({"????", "0$", "a?b", "0$", "a\rb", "0$", "Mirako", "0$", "Mirako", "0$"}));
        QCOMPARE(readTopPlayersFile(path).lines.size(), kTopPlayersLineCount);
    }

    void writeWantsExactlyTenLines_data()
    {
        QTest::addColumn<int>("lineCount");
        QTest::newRow("none") << 0;
        QTest::newRow("nine") << 9;
        QTest::newRow("eleven") << 11;
    }

    void writeWantsExactlyTenLines()
    {
        QFETCH(int, lineCount);
        QTemporaryDir dir;
        const QString path = dir.filePath(kTopPlayersFileName);
        QVERIFY(writeTopPlayersFile(path, kDefaultTable));
        QVERIFY(!writeTopPlayersFile(path, repeated(QStringLiteral("x"), lineCount)));
        QCOMPARE(fileBytes(path), kDefaultTableBytes);
    }

    void readsLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");

        const QByteArray ten = crlfLines({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"});
        const QStringList tenLines = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
        const QByteArray longLine(kMaxTopPlayersLineBytes, 'x');

        QTest::newRow("ten lines") << ten << tenLines;
        QTest::newRow("more than ten") << ten + crlfLines({"11", "12"}) << tenLines;
        QTest::newRow("no final line end") << ten.chopped(2) << tenLines;
        QTest::newRow("carriage return at the very end") << ten.chopped(1) << tenLines;
        QTest::newRow("line feeds only") << QByteArray(ten).replace("\r\n", "\n") << tenLines;
        QTest::newRow("mixed line ends") << QByteArray("a\nb\r\nc") << QStringList{"a", "b", "c"};
        QTest::newRow("fewer than ten") << crlfLines({"Mirako", "0$", "Ana"}) << QStringList{"Mirako", "0$", "Ana"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("empty lines") << QByteArray("\r\n\r\n") << QStringList{"", ""};
        QTest::newRow("lone carriage return stays in the line")
            << QByteArray("a\rb\r\n") << QStringList{QStringLiteral("a\rb")};
        QTest::newRow("carriage return before the line end stays")
            << QByteArray("a\r\r\n") << QStringList{QStringLiteral("a\r")};
        QTest::newRow("NUL and control bytes")
            << QByteArray("\0a\x01\x1b\x7f\r\n\t\r\n", 10)
            << QStringList{QString(QChar(0)) + "a\x01\x1b\x7f", "\t"};
        QTest::newRow("bytes undefined in the code page")
            << QByteArray("\x81\x83\x88\x90\x98\r\n")
            << QStringList{QString::fromUtf16(u"\u0081\u0083\u0088\u0090\u0098")};
        QTest::newRow("UTF-8 is read as Windows-1250")
            << QByteArray("\xC4\x8C") << QStringList{QString::fromUtf8("ÄŚ")};
        QTest::newRow("line of the longest kept length")
            << longLine + "\r\nnext" << QStringList{QString::fromLatin1(longLine), "next"};
        QTest::newRow("one byte too long")
            << longLine + "y\r\nnext" << QStringList{QString::fromLatin1(longLine), "next"};
        QTest::newRow("over-long line with a lone line feed")
            << longLine + QByteArray(5000, 'y') + "\nnext" << QStringList{QString::fromLatin1(longLine), "next"};
        QTest::newRow("over-long last line without a line end")
            << QByteArray(5000, 'z') << QStringList{QString(kMaxTopPlayersLineBytes, u'z')};

        // Only the first kMaxTopPlayersFileBytes bytes are read: a file that goes on is cut there.
        const auto padding = [](qsizetype followingBytes) {
            return QByteArray(kMaxTopPlayersFileBytes - followingBytes, 'p');
        };
        const QString keptPadding(kMaxTopPlayersLineBytes, u'p');
        QTest::newRow("last line ends at the last byte read")
            << padding(8) + "\r\nnext\r\nlost\r\n" << QStringList{keptPadding, "next"};
        QTest::newRow("line past the last byte read is not read")
            << padding(2) + "\r\nlost\r\n" << QStringList{keptPadding};
        QTest::newRow("line across the last byte read is cut there")
            << padding(4) + "\r\nnext\r\n" << QStringList{keptPadding, "ne"};
    }

    void readsLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath(kTopPlayersFileName);
        putFileBytes(path, bytes);
        const TopPlayersFileLines read = readTopPlayersFile(path);
        QCOMPARE(read.state, TopPlayersFileState::Read);
        QCOMPARE(read.lines, expected);
    }

    void oddBytesAreWrittenBackUnchanged()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(kTopPlayersFileName);
        QByteArray odd;
        for (int value = 0; value < kByteValues; ++value) {
            if (value != '\r' && value != '\n') odd.append(char(value));
        }
        const QByteArray bytes = crlfLines({odd, "0$", "\x81\x83\x88\x90\x98", "0$", "a\rb", "0$", "", "0$", "x", "0$"});
        putFileBytes(path, bytes);
        QVERIFY(writeTopPlayersFile(path, readTopPlayersFile(path).lines));
        QCOMPARE(fileBytes(path), bytes);
    }

    void tenMegabyteLineIsNotHeld()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(kTopPlayersFileName);
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            const QByteArray chunk(kWriteChunkBytes, 'w');
            for (qsizetype written = 0; written < kTenMegabytes; written += chunk.size()) file.write(chunk);
            file.write("\r\nsecond, beyond what is read\r\n");
        }
        QVERIFY2(resetPeakMemory(), "cannot reset the peak memory through /proc/self/clear_refs");
        const qint64 peakBefore = peakMemoryKilobytes();
        QElapsedTimer timer;
        timer.start();
        const TopPlayersFileLines read = readTopPlayersFile(path);
        const qint64 elapsedMs = timer.elapsed();
        const qint64 peakGrowth = peakMemoryKilobytes() - peakBefore;
        qInfo("10 MB line read in %lld ms, peak memory grew by %lld kB", elapsedMs, peakGrowth);

        QCOMPARE(read.state, TopPlayersFileState::Read);
        QCOMPARE(read.lines, QStringList{QString(kMaxTopPlayersLineBytes, u'w')});
        QVERIFY2(peakBefore > 0, "no VmHWM in /proc/self/status");
        if (kPeakMemoryIsTheReaders)
            QVERIFY2(peakGrowth < kMaxPeakGrowthKilobytes, qPrintable(QString::number(peakGrowth) + " kB"));
        QVERIFY2(elapsedMs < kMaxTenMegabyteReadMs, qPrintable(QString::number(elapsedMs) + " ms"));
    }

    void missingFileIsToldApart()
    {
        QTemporaryDir dir;
        const TopPlayersFileLines read = readTopPlayersFile(dir.filePath(kTopPlayersFileName));
        QCOMPARE(read.state, TopPlayersFileState::Missing);
        QCOMPARE(read.lines, QStringList());
    }

    void directoryInTheFilesPlace()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(kTopPlayersFileName);
        QVERIFY(QDir(dir.path()).mkdir(kTopPlayersFileName));
        const TopPlayersFileLines read = readTopPlayersFile(path);
        QCOMPARE(read.state, TopPlayersFileState::CannotOpen);
        QCOMPARE(read.lines, QStringList());

        // This fails for root too, unlike a read-only directory.
        QVERIFY(!writeTopPlayersFile(path, kDefaultTable));
        QVERIFY(QFileInfo(path).isDir());
        QCOMPARE(filesIn(dir), QStringList{kTopPlayersFileName});
    }

    void writeIntoMissingDirectoryFails()
    {
        QTemporaryDir dir;
        QVERIFY(!writeTopPlayersFile(dir.filePath(QStringLiteral("gone/") + kTopPlayersFileName), kDefaultTable));
        QCOMPARE(filesIn(dir), QStringList());
    }

    void writeThatRunsOutOfSpaceKeepsTheOldTable_data()
    {
        QTest::addColumn<qlonglong>("limitBytes");
        QTest::newRow("nothing fits") << qlonglong(0);
        QTest::newRow("cut off after a few bytes") << qlonglong(kTinyFileSizeLimit);
    }

    void writeThatRunsOutOfSpaceKeepsTheOldTable()
    {
        // A file-size limit makes the write fail the way a full disk does, for root too.
        QFETCH(qlonglong, limitBytes);
        QTemporaryDir dir;
        const QString path = dir.filePath(kTopPlayersFileName);
        QVERIFY(writeTopPlayersFile(path, kDefaultTable));

        bool written = true;
        {
            const FileSizeLimit limit(static_cast<rlim_t>(limitBytes));
            written = writeTopPlayersFile(path, kSaveLoopSecondTable);
        }

        QVERIFY(!written);
        QCOMPARE(fileBytes(path), kDefaultTableBytes);
        QCOMPARE(filesIn(dir), QStringList{kTopPlayersFileName});
    }

    void fifoInTheFilesPlaceDoesNotBlock()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(kTopPlayersFileName);
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);

        const auto read = resultWithinPatience([path] { return readTopPlayersFile(path); });
        QVERIFY2(read, "reading a FIFO named like the file blocked");
        QCOMPARE(read->state, TopPlayersFileState::CannotOpen);

        // Saving replaces the FIFO with the file, without opening it.
        const auto written = resultWithinPatience([path] { return writeTopPlayersFile(path, kDefaultTable); });
        QVERIFY2(written, "saving over a FIFO named like the file blocked");
        QVERIFY(*written);
        QVERIFY(QFileInfo(path).isFile());
        QCOMPARE(fileBytes(path), kDefaultTableBytes);
    }

    void links_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<TopPlayersFileState>("expected");
        // /dev/zero never ends a line nor the file: read, it would never return.
        QTest::newRow("endless device") << QStringLiteral("/dev/zero") << TopPlayersFileState::CannotOpen;
        QTest::newRow("dangling") << QStringLiteral("nowhere") << TopPlayersFileState::CannotOpen;
        QTest::newRow("regular file") << QStringLiteral("table") << TopPlayersFileState::Read;
    }

    void links()
    {
        QFETCH(QString, target);
        QFETCH(TopPlayersFileState, expected);
        QTemporaryDir dir;
        putFileBytes(dir.filePath(QStringLiteral("table")), kDefaultTableBytes);
        const QString path = dir.filePath(kTopPlayersFileName);
        QVERIFY(QFile::link(target, path));

        const auto read = resultWithinPatience([path] { return readTopPlayersFile(path); });
        QVERIFY2(read, "reading through the link did not return");
        QCOMPARE(read->state, expected);
        QCOMPARE(read->lines, expected == TopPlayersFileState::Read ? kDefaultTable : QStringList());
    }

    void killedSaveLeavesTheOldOrTheNewTable()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(kTopPlayersFileName);
        QVERIFY(writeTopPlayersFile(path, kSaveLoopFirstTable));
        const QByteArray first = fileBytes(path);
        const QByteArray second = tableBytes(kSaveLoopSecondTable);
        QVERIFY(first != second);

        std::mt19937 random(kKillDelaySeed);
        std::uniform_int_distribution<int> killDelayUs(0, kMaxKillDelayUs);
        int firstSeen = 0;
        int secondSeen = 0;
        QElapsedTimer timer;
        timer.start();
        for (int kill = 0; kill < kKills; ++kill) {
            QProcess child;
            child.start(QStringLiteral(SAVE_LOOP_PROGRAM), {path});
            QVERIFY2(child.waitForReadyRead(kChildStartPatienceMs), "the save loop did not start saving");
            QThread::usleep(killDelayUs(random));
            QVERIFY2(child.state() == QProcess::Running, "the save loop stopped: a save failed");
            child.kill();
            QVERIFY(child.waitForFinished());
            QCOMPARE(child.exitStatus(), QProcess::CrashExit);

            const QByteArray found = fileBytes(path);
            if (found == first) {
                ++firstSeen;
            } else if (found == second) {
                ++secondSeen;
            } else {
                QFAIL(qPrintable(QStringLiteral("kill %1 left a partial table: %2")
                                     .arg(kill)
                                     .arg(QString::fromLatin1(found.toHex(' ')))));
            }
        }
        const qint64 elapsedMs = timer.elapsed();
        const qsizetype leftovers = filesIn(dir).size() - 1;
        qInfo("%d kills in %lld ms: first table %d times, second %d times, %lld temporary files left",
              kKills, elapsedMs, firstSeen, secondSeen, qlonglong(leftovers));
        // Both tables seen: the child really was replacing the file when it died.
        QVERIFY(firstSeen > 0);
        QVERIFY(secondSeen > 0);
        QVERIFY2(elapsedMs < kMaxKillTestMs, qPrintable(QString::number(elapsedMs) + " ms"));
    }
};

QTEST_GUILESS_MAIN(TestTopPlayersFile)
#include "test_top_players_file.moc"
