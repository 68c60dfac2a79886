// The file of the top-players table: its bytes, its code page, awkward and
// hostile files, and a directory or FIFO in its place.
#include "scores/NameValidator.h"
#include "scores/TopPlayersFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

QString writeBytes(const QTemporaryDir& dir, const QByteArray& bytes)
{
    const QString path = dir.filePath(QStringLiteral("Vorn.nrz"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) qFatal("cannot write %s", qPrintable(path));
    return path;
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QStringList defaultTable()
{
    QStringList lines;
    for (int i = 0; i < 5; ++i) lines << QStringLiteral("Mirako") << QStringLiteral("0$");
    return lines;
}

} // namespace

class TestTopPlayersFile : public QObject {
    Q_OBJECT

private slots:
    void defaultTableByteForByte()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Vorn.nrz"));
        QVERIFY(TopPlayersFile::write(path, defaultTable()));
        QCOMPARE(bytesOf(path), QByteArray("Mirako\r\n0$\r\n").repeated(5));
        const TopPlayersFile::Contents back = TopPlayersFile::read(path);
        QCOMPARE(back.found, TopPlayersFile::Found::Opened);
        QCOMPARE(back.lines, defaultTable());
    }

    void centralEuropeanNamesAreSingleBytes()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Vorn.nrz"));
        QStringList lines = defaultTable();
        lines[0] = QStringLiteral("Čeněk");
        lines[2] = QStringLiteral("Łódź");
        lines[4] = QString();
        QVERIFY(TopPlayersFile::write(path, lines));
        QVERIFY(bytesOf(path).startsWith(QByteArray("\xC8" "en\xEC" "k\r\n0$\r\n\xA3\xF3" "d\x9F\r\n0$\r\n\r\n0$\r\n")));
        QCOMPARE(TopPlayersFile::read(path).lines, lines);
    }

    void readingAwkwardFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("fewer than ten lines") << QByteArray("Ann\r\n5$\r\nBo\r\n") << QStringList{"Ann", "5$", "Bo"};
        QTest::newRow("more than ten lines: the first ten")
            << QByteArray("a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\ni\r\nj\r\nk\r\nl\r\n")
            << QStringList{"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"};
        QTest::newRow("no final line end") << QByteArray("Ann\r\n5$") << QStringList{"Ann", "5$"};
        QTest::newRow("line feeds only") << QByteArray("Ann\n5$\n") << QStringList{"Ann", "5$"};
        QTest::newRow("empty lines") << QByteArray("\r\n\r\nx\r\n") << QStringList{"", "", "x"};
        QTest::newRow("a carriage return inside a line stays")
            << QByteArray("a\rb\r\n") << QStringList{QStringLiteral("a\rb")};
        QTest::newRow("NUL and control bytes")
            << QByteArray("A\0B\x01\x1f\r\n", 7) << QStringList{QString::fromLatin1("A\0B\x01\x1f", 5)};
        QTest::newRow("bytes Windows-1250 leaves undefined keep their value")
            << QByteArray("\x81\x83\x88\x90\x98\r\n")
            << QStringList{QString::fromUtf16(u"\u0081\u0083\u0088\u0090\u0098")};
        QTest::newRow("bytes invalid in UTF-8") << QByteArray("\xC0\xFF\xFE\r\n")
            << QStringList{QString::fromUtf16(u"\u0154\u02D9\u0163")};
    }

    void readingAwkwardFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QTemporaryDir dir;
        const TopPlayersFile::Contents contents = TopPlayersFile::read(writeBytes(dir, bytes));
        QCOMPARE(contents.found, TopPlayersFile::Found::Opened);
        QCOMPARE(contents.lines, lines);
    }

    void aHugeLineIsCutAndSkipped()
    {
        QTemporaryDir dir;
        QByteArray bytes(10 * 1024 * 1024, 'x');
        bytes += "\r\nnext\r\n";
        const QString path = writeBytes(dir, bytes);
        QElapsedTimer timer;
        timer.start();
        const TopPlayersFile::Contents contents = TopPlayersFile::read(path);
        QCOMPARE(contents.lines.size(), 2);
        QCOMPARE(contents.lines[0], QString(TopPlayersFile::kMaxLineBytes, QLatin1Char('x')));
        QCOMPARE(contents.lines[1], QStringLiteral("next"));
        QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
    }

    void aLineOfExactlyTheLimitKeepsItsEnd()
    {
        QTemporaryDir dir;
        const QByteArray line(TopPlayersFile::kMaxLineBytes, 'y');
        const TopPlayersFile::Contents contents = TopPlayersFile::read(writeBytes(dir, line + "\r\nz\r\n"));
        QCOMPARE(contents.lines, (QStringList{QString::fromLatin1(line), "z"}));
    }

    void noFile()
    {
        QTemporaryDir dir;
        const TopPlayersFile::Contents contents = TopPlayersFile::read(dir.filePath(QStringLiteral("Vorn.nrz")));
        QCOMPARE(contents.found, TopPlayersFile::Found::None);
        QVERIFY(contents.lines.isEmpty());
    }

    void aDirectoryInTheFilesPlace()
    {
        // Root may write anywhere, but not a file over a directory.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Vorn.nrz"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Vorn.nrz")));
        QCOMPARE(TopPlayersFile::read(path).found, TopPlayersFile::Found::CannotOpen);
        QVERIFY(!TopPlayersFile::write(path, defaultTable()));
        QVERIFY(QFileInfo(path).isDir());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{});
    }

    void aFifoInTheFilesPlaceDoesNotBlock()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Vorn.nrz"));
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(TopPlayersFile::read(path).found, TopPlayersFile::Found::CannotOpen);
        QVERIFY(timer.elapsed() < 1000);
    }

    void aFailedWriteLeavesTheOldTable()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Vorn.nrz"));
        QVERIFY(TopPlayersFile::write(path, defaultTable()));
        // The directory that holds the file is gone: nothing can be written there.
        const QString missing = dir.filePath(QStringLiteral("gone/Vorn.nrz"));
        QVERIFY(!TopPlayersFile::write(missing, defaultTable()));
        QCOMPARE(bytesOf(path), QByteArray("Mirako\r\n0$\r\n").repeated(5));
    }

    void unencodableCharactersAreReplaced()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Vorn.nrz"));
        QVERIFY(TopPlayersFile::write(path, {QString::fromUtf16(u"\u65E5x")}));
        const QByteArray bytes = bytesOf(path);
        QCOMPARE(bytes.size(), 4);
        QVERIFY(bytes.endsWith("x\r\n"));
    }

    void nameValidator_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("plain") << "Player" << true;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("Czech") << QStringLiteral("Čeněk") << true;
        QTest::newRow("Polish") << QStringLiteral("Łódź") << true;
        QTest::newRow("German") << QStringLiteral("Jürgen ß") << true;
        QTest::newRow("Greek is not in the code page") << QStringLiteral("Ωmega") << false;
        QTest::newRow("CJK") << QString::fromUtf16(u"\u65E5\u672C") << false;
        QTest::newRow("emoji") << QString::fromUtf16(u"A\U0001F600") << false;
        QTest::newRow("tab") << "a\tb" << false;
        QTest::newRow("line break") << "a\nb" << false;
    }

    void nameValidator()
    {
        QFETCH(QString, name);
        QFETCH(bool, accepted);
        NameValidator validator;
        int position = 0;
        QCOMPARE(validator.validate(name, position) == QValidator::Acceptable, accepted);
    }
};

QTEST_MAIN(TestTopPlayersFile)
#include "test_top_players_file.moc"
