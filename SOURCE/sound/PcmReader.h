#pragma once

#include "sound/PlaybackSource.h"

#include <QIODevice>

#include <memory>

// A playback source seen as the sequential device an audio sink pulls from.
class PcmReader : public QIODevice {
    Q_OBJECT

public:
    PcmReader(std::shared_ptr<PlaybackSource> source, QObject* owner);

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;

private:
    std::shared_ptr<PlaybackSource> source;
};
