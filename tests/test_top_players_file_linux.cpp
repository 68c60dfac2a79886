// The top-players file where Linux can put odd things in its place: a FIFO,
// links to a device or to nowhere, a disk that fills up; a 10 MB line read
// without holding it in memory; and its code page, which Linux converts with
// Qt's ICU codec.
#include "scores/TopPlayersFile.h"
#include "support/AddressSanitizer.h"
#include "support/FileSizeLimit.h"
#include "support/TableFiles.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

constexpr qsizetype kTenMegabytes = 10 * 1024 * 1024;
constexpr qsizetype kWriteChunkBytes = 64 * 1024;
// Reading a 10 MB line must not hold it: the peak memory may grow by far less.
constexpr qint64 kMaxPeakGrowthKilobytes = 2 * 1024;
// AddressSanitizer's allocator keeps freed blocks in quarantine and maps shadow
// pages, so under it the peak is not the reader's own; the bound holds elsewhere.
constexpr bool kPeakMemoryIsTheReaders = !kUnderAddressSanitizer;
constexpr qint64 kMaxTenMegabyteReadMs = 2000;
constexpr rlim_t kTinyFileSizeLimit = 16;
constexpr char kPeakMemoryKey[] = "VmHWM:";

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

}  // namespace

class TestTopPlayersFileLinux : public QObject {
    Q_OBJECT

private slots:
    // Without it every name would be refused and every line read as empty.
    void qtKnowsTheCodePage()
    {
        QVERIFY(QStringDecoder("windows-1250").isValid());
        QVERIFY(QStringEncoder("windows-1250").isValid());
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

    // A save keeps the mode the player gave the table, and a new table gets
    // what the umask allows, as any new file does.
    void saveKeepsTheTablesMode_data()
    {
        QTest::addColumn<int>("oldMode");  // -1: no table yet
        QTest::addColumn<int>("mask");
        QTest::addColumn<int>("expected");
        QTest::newRow("private table") << 0600 << 022 << 0600;
        QTest::newRow("shared with the group") << 0664 << 022 << 0664;
        QTest::newRow("new, usual umask") << -1 << 022 << 0644;
        QTest::newRow("new, private umask") << -1 << 077 << 0600;
    }

    void saveKeepsTheTablesMode()
    {
        QFETCH(int, oldMode);
        QFETCH(int, mask);
        QFETCH(int, expected);
        QTemporaryDir dir;
        const QByteArray path = QFile::encodeName(dir.filePath(kTopPlayersFileName));
        if (oldMode >= 0) {
            putFileBytes(path, kDefaultTableBytes);
            QCOMPARE(::chmod(path.constData(), mode_t(oldMode)), 0);
        }
        const mode_t previousMask = ::umask(mode_t(mask));
        const bool saved = writeTopPlayersFile(path, kSaveLoopSecondTable);
        ::umask(previousMask);
        QVERIFY(saved);
        struct stat status {};
        QCOMPARE(::stat(path.constData(), &status), 0);
        QCOMPARE(int(status.st_mode & 0777), expected);
    }
};

QTEST_GUILESS_MAIN(TestTopPlayersFileLinux)
#include "test_top_players_file_linux.moc"
