#include "scores/TopPlayersFile.h"

#include "scores/Windows1250.h"

#include <QSaveFile>

namespace {

constexpr char kLineEnd[] = "\r\n";
constexpr QChar kLineFeed = u'\n';

}  // namespace

QByteArray encodeTopPlayersFile(const QStringList& lines)
{
    QByteArray bytes;
    for (QString line : lines) {
        bytes += encodeWindows1250(line.replace(kLineFeed, QLatin1Char(kUnfitWindows1250Character)));
        bytes += kLineEnd;
    }
    return bytes;
}

bool writeTopPlayersFile(const QString& path, const QStringList& tenLines)
{
    if (tenLines.size() != kTopPlayersLineCount) return false;

    // Without the direct-write fallback: a directory we cannot create the
    // temporary file in is a failed save, never a rewrite in place.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    // Qt 6.4's commit() renames even when a buffered flush failed, so a full
    // disk would leave a cut-off table. Unbuffered, a short write shows here.
    const QByteArray bytes = encodeTopPlayersFile(tenLines);
    if (file.write(bytes) != bytes.size()) file.cancelWriting();
    return file.commit();
}
