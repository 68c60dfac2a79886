// The top-players file where Windows fails a save that Linux would make:
// another program (an editor, a virus scanner) holding the table open
// without sharing it.
#include "scores/TopPlayersFile.h"
#include "support/TableFiles.h"
#include "support/UnsavableTable.h"

#include <QTemporaryDir>
#include <QTest>

class TestTopPlayersFileWindows : public QObject {
    Q_OBJECT

private slots:
    void aTableHeldOpenWithoutSharingStaysAsItWas()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(kTopPlayersFileName);
        QVERIFY(writeTopPlayersFile(path, kDefaultTable));
        {
            const UnsavableTable held(dir.path());
            QCOMPARE(readTopPlayersFile(path).state, TopPlayersFileState::CannotOpen);
            QVERIFY(!writeTopPlayersFile(path, kSaveLoopSecondTable));
        }
        QCOMPARE(fileBytes(path), kDefaultTableBytes);
        QCOMPARE(filesIn(dir), QStringList{kTopPlayersFileName});
        // Once the other program lets go, saving works again.
        QVERIFY(writeTopPlayersFile(path, kSaveLoopSecondTable));
        QCOMPARE(readTopPlayersFile(path).lines, kSaveLoopSecondTable);
    }
};

QTEST_GUILESS_MAIN(TestTopPlayersFileWindows)
#include "test_top_players_file_windows.moc"
