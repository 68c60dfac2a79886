#include "scores/TopPlayersFile.h"

#include "scores/Windows1250.h"

#include <QFileInfo>
#include <QRandomGenerator>

#include <chrono>
#include <thread>

namespace {

constexpr char kLineEnd[] = "\r\n";
constexpr QChar kLineFeed = u'\n';
// Windows may not put the new table in the old one's place while another
// program (a virus scanner, a backup, a sync client) has the old one open: the
// new table waits beside it and is tried again, for about two seconds in all.
// A save that cannot write its new table fails at once.
constexpr std::chrono::milliseconds kReplacePatience{2000};
constexpr std::chrono::milliseconds kReplacePause{50};
constexpr int kTemporaryNameAttempts = 16;
constexpr int kMaxLinkDepth = 128;

// A save through a link changes the file it leads to and keeps the link.
QString savedPath(const QString& path)
{
    QFileInfo file(path);
    for (int depth = 0; depth < kMaxLinkDepth && file.isSymLink(); ++depth) file.setFile(file.symLinkTarget());
    return file.isSymLink() ? path : file.filePath();
}

// A new file beside target, under a name nobody else has.
bool createFileBeside(QFile& file, const QString& target)
{
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        file.setFileName(target + QStringLiteral(".%1").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        // Unbuffered, a short write (a full disk) shows in write()'s result.
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) return true;
        // Only a name already taken is worth another name.
        if (!file.exists()) return false;
    }
    return false;
}

// The new table takes the old one's permissions, as a table the player shared
// stays shared.
bool writeAndClose(QFile& file, const QFileInfo& old, const QByteArray& bytes)
{
    const bool written = file.write(bytes) == bytes.size();
    if (old.exists()) file.setPermissions(old.permissions());
    syncToDisk(file);
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

bool replaceWithinPatience(const QString& source, const QString& target, const FileReplacer& replace)
{
    const auto deadline = std::chrono::steady_clock::now() + kReplacePatience;
    for (;;) {
        const ReplaceResult result = replace(source, target);
        if (result != ReplaceResult::Held) return result == ReplaceResult::Replaced;
        if (std::chrono::steady_clock::now() + kReplacePause > deadline) return false;
        std::this_thread::sleep_for(kReplacePause);
    }
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

bool writeTopPlayersFile(const QString& path, const QStringList& tenLines, const FileReplacer& replace)
{
    if (tenLines.size() != kTopPlayersLineCount) return false;
    // A table the player made read-only stays as it is; a directory is no table.
    const QFileInfo given(path);
    if (given.exists() && (given.isDir() || !given.isWritable())) return false;

    const QString target = savedPath(path);
    QFile file;
    if (!createFileBeside(file, target)) return false;
    const bool saved = writeAndClose(file, QFileInfo(target), encodeTopPlayersFile(tenLines))
                       && replaceWithinPatience(file.fileName(), target, replace);
    if (!saved) file.remove();
    return saved;
}
