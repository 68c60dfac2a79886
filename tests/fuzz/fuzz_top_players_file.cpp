// Any bytes as the top-players file: the start-up's load reads at most ten
// lines of bounded length, decodes them from Windows-1250, and reads each
// cash text as a number (never NaN).
#include "scores/LenientNumber.h"
#include "scores/TopPlayersFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

// The load reads from a path: one file in a directory of its own per run,
// rewritten for every input and removed when the run ends.
const QString& inputPath()
{
    static const QTemporaryDir directory;
    static const QString path = directory.filePath(kTopPlayersFileName);
    return path;
}

// A new file each time: truncating one that has data makes ext4 write it out
// on close, which would cost more than the read under test.
void writeInput(const std::uint8_t* data, std::size_t size)
{
    QFile file(inputPath());
    file.remove();
    if (!file.open(QIODevice::WriteOnly)
        || file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) != static_cast<qint64>(size)) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    writeInput(data, size);
    const TopPlayersFileLines file = readTopPlayersFile(inputPath());
    if (file.state != TopPlayersFileState::Read || file.lines.size() > kTopPlayersLineCount) std::abort();

    for (qsizetype line = 0; line < file.lines.size(); ++line) {
        // Every byte decodes to one character.
        if (file.lines[line].size() > kMaxTopPlayersLineBytes) std::abort();
        const bool cashText = line % 2 == 1;
        if (cashText && std::isnan(readLenientNumber(file.lines[line]))) std::abort();
    }
    return 0;
}
