#include "scores/ReadBoundedLine.h"

#include <algorithm>

namespace {

constexpr qint64 kSkipChunkBytes = 4096;
// Besides the kept bytes: a carriage return, the line feed and the zero byte
// that QIODevice::readLine always writes after what it read.
constexpr qsizetype kLineEndAndTerminatorBytes = 3;

void skipRestOfLine(QIODevice& device)
{
    char chunk[kSkipChunkBytes];
    for (;;) {
        const qint64 count = device.readLine(chunk, kSkipChunkBytes);
        if (count <= 0 || chunk[count - 1] == '\n') return;
    }
}

}  // namespace

QByteArray readBoundedLine(QIODevice& device, qsizetype maxBytes)
{
    QByteArray line(maxBytes + kLineEndAndTerminatorBytes, Qt::Uninitialized);
    const qint64 count = device.readLine(line.data(), line.size());
    line.resize(std::max<qint64>(count, 0));

    if (line.endsWith('\n')) {
        line.chop(1);
    } else if (!device.atEnd()) {
        skipRestOfLine(device);
    }
    if (line.endsWith('\r')) line.chop(1);
    line.truncate(maxBytes);
    return line;
}
