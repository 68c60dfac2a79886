#include "support/TableFiles.h"

#include "scores/TopPlayersFile.h"

#include <QDir>
#include <QFile>
#include <QTest>

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray tableBytes(const QStringList& table)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(kTopPlayersFileName);
    return writeTopPlayersFile(path, table) ? fileBytes(path) : QByteArray();
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

QStringList filesIn(const QTemporaryDir& dir)
{
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}
