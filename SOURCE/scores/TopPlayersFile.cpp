#include "scores/TopPlayersFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <optional>

namespace TopPlayersFile {

namespace {

constexpr const char* kCodePage = "windows-1250";
constexpr qint64 kChunkBytes = 4096;

// One line without its end (LF or CR LF), cut to kMaxLineBytes; the rest of
// a longer line is read past in chunks, never held. Nothing at the end of the file.
std::optional<QByteArray> readBoundedLine(QIODevice& in)
{
    QByteArray kept;
    char chunk[kChunkBytes];
    bool readAnything = false;
    bool lastWasCarriageReturn = false;
    for (;;) {
        const qint64 count = in.readLine(chunk, kChunkBytes);
        if (count <= 0) break;
        readAnything = true;
        QByteArrayView piece(chunk, count);
        const bool ended = piece.endsWith('\n');
        if (ended) piece.chop(1);
        if (!piece.isEmpty()) lastWasCarriageReturn = piece.endsWith('\r');
        const qsizetype room = kMaxLineBytes - kept.size();
        kept.append(piece.first(std::min(room, piece.size())));
        if (ended) {
            if (lastWasCarriageReturn && kept.endsWith('\r')) kept.chop(1);
            return kept;
        }
    }
    if (!readAnything) return std::nullopt;
    return kept;
}

} // namespace

Contents read(const QString& path)
{
    Contents contents;
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) return contents;
    contents.found = Found::CannotOpen;
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) return contents;
    contents.found = Found::Opened;
    QStringDecoder decode(kCodePage);
    while (contents.lines.size() < kLines) {
        const std::optional<QByteArray> line = readBoundedLine(file);
        if (!line) break;
        contents.lines << decode.decode(*line);
    }
    return contents;
}

bool write(const QString& path, const QStringList& lines)
{
    QStringEncoder encode(kCodePage);
    QByteArray bytes;
    for (const QString& line : lines) {
        // A character the code page cannot hold is stored as a replacement byte.
        bytes += encode.encode(line);
        bytes += "\r\n";
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    // Left uncommitted, the temporary file is removed and the old table stays.
    if (file.write(bytes) != bytes.size()) return false;
    return file.commit();
}

} // namespace TopPlayersFile
