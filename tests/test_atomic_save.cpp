// A program killed in the middle of saving leaves the old table or the new
// one, never a part of either.
#include "scores/TopPlayersFile.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

class TestAtomicSave : public QObject {
    Q_OBJECT

private slots:
    void killedMidSaveLeavesAWholeTable()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Vorn.nrz"));
        const auto table = [](char letter) {
            return QByteArray(900, letter).append("\r\n").repeated(10);
        };
        const QByteArray tableA = table('a');
        const QByteArray tableB = table('b');
        QVERIFY(TopPlayersFile::write(path, QStringList(10, QString(900, QLatin1Char('a')))));

        QRandomGenerator chance(7);
        constexpr int kKills = 150;
        int seenA = 0;
        int seenB = 0;
        for (int n = 0; n < kKills; ++n) {
            QProcess saver;
            saver.start(QStringLiteral(SAVE_LOOP_PROGRAM), {path});
            QVERIFY(saver.waitForStarted());
            QThread::usleep(chance.bounded(2000, 20000));
            saver.kill();
            QVERIFY(saver.waitForFinished());
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            QVERIFY2(bytes == tableA || bytes == tableB, qPrintable(QStringLiteral("kill %1: %2 bytes").arg(n).arg(bytes.size())));
            (bytes == tableA ? seenA : seenB)++;
        }
        qInfo("%d kills: table A %d times, table B %d times", kKills, seenA, seenB);
        // Both tables were seen, so the kills did land while the saver was rewriting.
        QVERIFY(seenA > 0 && seenB > 0);
    }
};

QTEST_MAIN(TestAtomicSave)
#include "test_atomic_save.moc"
