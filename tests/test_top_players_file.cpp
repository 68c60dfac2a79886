// The file of the top-players table: its bytes, bad and hostile files, and
// saves that fail or are cut short. Each platform adds the files and
// failures only it has (test_top_players_file_linux.cpp, _windows.cpp).
#include "scores/OpenRegularFile.h"
#include "scores/TopPlayersFile.h"
#include "support/AddressSanitizer.h"
#include "support/TableFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <thread>

namespace {

constexpr int kByteValues = 256;

QStringList repeated(const QString& line, int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i) lines.append(line);
    return lines;
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

    // Another window reads the table as this one saves: the save goes
    // through, and the reader reads the old table whole. Windows cannot
    // replace a file while it is open, so there the save waits for the read.
    void saveWhileTheFileIsReadReplacesIt()
    {
        if (!QT_CONFIG(thread)) QSKIP("a program of one thread (in a browser) has no other reader during a save");
        QTemporaryDir dir;
        const QString path = dir.filePath(kTopPlayersFileName);
        QVERIFY(writeTopPlayersFile(path, kSaveLoopFirstTable));
        const QByteArray first = fileBytes(path);
        QFile reader;
        QCOMPARE(openRegularFile(reader, path), TopPlayersFileState::Read);
        QByteArray read;
        std::thread readsAWhile([&reader, &read] {
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
            read = reader.readAll();
            reader.close();
        });
        const bool saved = writeTopPlayersFile(path, kSaveLoopSecondTable);
        readsAWhile.join();
        QVERIFY(saved);
        QCOMPARE(read, first);
        QCOMPARE(fileBytes(path), tableBytes(kSaveLoopSecondTable));
        QCOMPARE(filesIn(dir), QStringList{kTopPlayersFileName});
    }

    // Windows refuses to replace a table another program holds open, the way
    // the replacer below does. A held table is tried again for about two
    // seconds, any other failure not at all; a save that fails leaves the old
    // table and nothing beside it.
    void replaceRefusedWhileTheTableIsHeld_data()
    {
        QTest::addColumn<int>("heldTries");  // tries refused as held before the real replace
        QTest::addColumn<ReplaceResult>("thenReplace");
        QTest::addColumn<int>("minTries");
        QTest::addColumn<int>("maxTries");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<qint64>("minMs");
        QTest::newRow("let go after a while") << 5 << ReplaceResult::Replaced << 6 << 6 << true << qint64(200);
        // 40 tries, fewer where the pauses oversleep; never a try past two seconds.
        QTest::newRow("held throughout") << 1000 << ReplaceResult::Held << 2 << 40 << false << qint64(1900);
        QTest::newRow("failed otherwise") << 0 << ReplaceResult::Failed << 1 << 1 << false << qint64(0);
    }

    void replaceRefusedWhileTheTableIsHeld()
    {
        QFETCH(int, heldTries);
        QFETCH(ReplaceResult, thenReplace);
        QFETCH(int, minTries);
        QFETCH(int, maxTries);
        QFETCH(bool, saved);
        QFETCH(qint64, minMs);
        QTemporaryDir dir;
        const QString path = dir.filePath(kTopPlayersFileName);
        QVERIFY(writeTopPlayersFile(path, kSaveLoopFirstTable));
        const QByteArray first = fileBytes(path);

        int tries = 0;
        const auto heldForAWhile = [&](const QString& source, const QString& target) {
            if (++tries <= heldTries) return ReplaceResult::Held;
            return thenReplace == ReplaceResult::Replaced ? replaceFile(source, target) : thenReplace;
        };
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(writeTopPlayersFile(path, kSaveLoopSecondTable, heldForAWhile), saved);
        const qint64 elapsedMs = timer.elapsed();

        QVERIFY2(tries >= minTries && tries <= maxTries, qPrintable(QString::number(tries)));
        QVERIFY2(elapsedMs >= minMs && elapsedMs < minMs + 2000, qPrintable(QString::number(elapsedMs)));
        QCOMPARE(fileBytes(path), saved ? tableBytes(kSaveLoopSecondTable) : first);
        QCOMPARE(filesIn(dir), QStringList{kTopPlayersFileName});
    }
};

QTEST_GUILESS_MAIN(TestTopPlayersFile)
#include "test_top_players_file.moc"
