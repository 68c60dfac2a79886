#include "scores/TopPlayersFile.h"

#include "scores/OpenRegularFile.h"
#include "scores/ReadBoundedLine.h"
#include "scores/Windows1250.h"

#include <QBuffer>
#include <QFile>

TopPlayersFileLines readTopPlayersFile(const QString& path)
{
    TopPlayersFileLines result;
    QFile file;
    result.state = openRegularFile(file, path);
    if (result.state != TopPlayersFileState::Read) return result;

    result.bytes = file.read(kMaxTopPlayersFileBytes);
    QBuffer lines(&result.bytes);
    lines.open(QIODevice::ReadOnly);
    while (result.lines.size() < kTopPlayersLineCount && !lines.atEnd()) {
        result.lines.append(decodeWindows1250(readBoundedLine(lines, kMaxTopPlayersLineBytes)));
    }
    return result;
}
