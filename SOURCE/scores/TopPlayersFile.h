#pragma once

#include <QString>
#include <QStringList>

// The top-players file: ten lines, each ending CR LF, in the Windows-1250
// code page (the window's fonts use the Central European character set).
namespace TopPlayersFile {

inline constexpr int kLines = 10;
// Longer lines are cut here; names of 8 characters and cash texts are far shorter.
inline constexpr int kMaxLineBytes = 1024;

enum class Found { None, CannotOpen, Opened };

struct Contents {
    Found found = Found::None;
    QStringList lines;  // at most kLines, as read; fewer when the file is short
};

// Reads at most ten lines, keeping at most kMaxLineBytes bytes of each. A
// directory or special file in the file's place counts as one that cannot
// be opened, and is never opened (a FIFO would block).
Contents read(const QString& path);

// Replaces the file as a whole: the new table goes to a temporary file in
// the same directory, which is then renamed over the old one, so the file
// is always either the old table or the new one. False when it failed; the
// old file is then left as it was.
bool write(const QString& path, const QStringList& lines);

} // namespace TopPlayersFile
