#include "scores/TopPlayersFile.h"

#include "scores/Windows1250.h"

#include <QSaveFile>

#include <chrono>
#include <thread>

namespace {

constexpr char kLineEnd[] = "\r\n";
constexpr QChar kLineFeed = u'\n';
// Windows cannot rename a file over one that another program has open (a
// window reading the table as it starts, a virus scanner looking at it): a
// save that could not replace the file is tried again, a few times, a little
// later. One that cannot write its new file fails at once.
constexpr int kReplaceAttempts = 5;
constexpr std::chrono::milliseconds kReplacePause{20};

enum class SaveResult { Saved, NotReplaced, Failed };

SaveResult saveOnce(const QString& path, const QByteArray& bytes)
{
    // Without the direct-write fallback: a directory we cannot create the
    // temporary file in is a failed save, never a rewrite in place.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return SaveResult::Failed;
    // Qt 6.4's commit() renames even when a buffered flush failed, so a full
    // disk would leave a cut-off table. Unbuffered, a short write shows here.
    if (file.write(bytes) != bytes.size()) file.cancelWriting();
    if (file.commit()) return SaveResult::Saved;
    return file.error() == QFileDevice::RenameError ? SaveResult::NotReplaced : SaveResult::Failed;
}

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

    const QByteArray bytes = encodeTopPlayersFile(tenLines);
    for (int attempt = 1;; ++attempt) {
        const SaveResult result = saveOnce(path, bytes);
        if (result != SaveResult::NotReplaced || attempt == kReplaceAttempts) return result == SaveResult::Saved;
        std::this_thread::sleep_for(kReplacePause);
    }
}
