// A save killed at any moment leaves the old table or the new one, whole.
#include "scores/TopPlayersFile.h"
#include "support/AddressSanitizer.h"
#include "support/TableFiles.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <random>

namespace {

// Each kill starts a save loop; under AddressSanitizer or Wine a start costs
// several times as much.
qint64 maxKillTestMs()
{
    return kUnderAddressSanitizer || qEnvironmentVariableIsSet("VORN_UNDER_WINE") ? 90'000 : 30'000;
}
constexpr int kKills = 200;
constexpr int kMaxKillDelayUs = 4000;
constexpr int kChildStartPatienceMs = 5000;
constexpr unsigned kKillDelaySeed = 1250;

}  // namespace

class TestKilledSave : public QObject {
    Q_OBJECT

private slots:
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
        QVERIFY2(elapsedMs < maxKillTestMs(), qPrintable(QString::number(elapsedMs) + " ms"));
    }
};

QTEST_GUILESS_MAIN(TestKilledSave)
#include "test_killed_save.moc"
