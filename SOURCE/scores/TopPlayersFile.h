#pragma once

#include "scores/ReplaceFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// The file of the top-players table: ten lines, the name and the cash text of
// rank 1, then of rank 2 and so on, each line ending with CR LF, in the
// Windows-1250 code page. It lives in the current directory.
inline const QString kTopPlayersFileName = QStringLiteral("Vorn.nrz");
constexpr qsizetype kTopPlayersLineCount = 10;
// Far more than a name of 8 characters or any cash text needs; the rest of a
// longer line is skipped, so a hostile file cannot exhaust memory.
constexpr qsizetype kMaxTopPlayersLineBytes = 1024;
// Far more than ten such lines: no more of the file is ever read, so a file
// of any size costs the start-up the same short time.
constexpr qint64 kMaxTopPlayersFileBytes = 64 * 1024;

enum class TopPlayersFileState {
    Read,        // the file was opened and read; lines holds what it had
    Missing,     // nothing by that name: the caller may create the file
    CannotOpen,  // something by that name that is not a readable regular file
};

struct TopPlayersFileLines {
    TopPlayersFileState state = TopPlayersFileState::Missing;
    QStringList lines;  // at most kTopPlayersLineCount, empty unless Read
    QByteArray bytes;   // what was read, at most kMaxTopPlayersFileBytes
};

// Reads the first ten lines at most; a shorter file gives fewer lines. Line
// ends may be CR LF or LF alone, and the last line may lack one. Each line
// keeps at most kMaxTopPlayersLineBytes bytes. The file is read as if it
// ended after its first kMaxTopPlayersFileBytes bytes. A directory, FIFO,
// device or socket by that name, or a dangling link, is CannotOpen and is
// never opened in a way that could block.
TopPlayersFileLines readTopPlayersFile(const QString& path);

// The bytes that writeTopPlayersFile writes for the lines.
QByteArray encodeTopPlayersFile(const QStringList& lines);

using FileReplacer = std::function<ReplaceResult(const QString& source, const QString& target)>;

// Replaces the file with the ten lines in one step: the new table is written
// to a temporary file beside it and put in the old one's place by replace, so
// the file is always the whole old table or the whole new one. While the old
// one is held by another program the replace is tried again for about two
// seconds. Returns false, leaving the old file as it was and nothing beside
// it, when anything fails or tenLines does not hold ten lines. Characters
// outside Windows-1250, and line feeds (which would split a line), are
// written as '?'.
bool writeTopPlayersFile(const QString& path, const QStringList& tenLines, const FileReplacer& replace = replaceFile);
