#include "sound/PcmReader.h"

#include <limits>

PcmReader::PcmReader(std::shared_ptr<PlaybackSource> playing, QObject* owner)
    : QIODevice(owner), source(std::move(playing))
{
}

qint64 PcmReader::bytesAvailable() const
{
    const std::size_t remaining = source->remaining();
    const auto limit = static_cast<std::size_t>(std::numeric_limits<qint32>::max());
    return static_cast<qint64>(remaining < limit ? remaining : limit) + QIODevice::bytesAvailable();
}

qint64 PcmReader::readData(char* data, qint64 maxSize)
{
    if (maxSize <= 0) return 0;
    return static_cast<qint64>(source->read(reinterpret_cast<std::byte*>(data), static_cast<std::size_t>(maxSize)));
}

qint64 PcmReader::writeData(const char*, qint64) { return -1; }
