#pragma once

#include "sound/PlaybackSource.h"
#include "sound/SinkPlayer.h"
#include "sound/SoundBackend.h"

#include <QObject>
#include <QThread>

#include <memory>
#include <optional>

// Plays through Qt Multimedia on a thread of its own, which runs its own
// event loop, so that the window's thread can block through a synchronous
// sound without handling a single event.
class QtSoundBackend : public SoundBackend {
public:
    QtSoundBackend();
    ~QtSoundBackend() override;

    void start(const PcmSound& sound, bool loop) override;
    void stop() override;
    void drain(std::chrono::microseconds limit) override;

    // When the device first took samples of the sound now held; none yet, or none held.
    std::optional<std::chrono::steady_clock::time_point> firstSampleTaken() const;

private:
    template <typename Work>
    void onSoundThread(Work work, Qt::ConnectionType type = Qt::QueuedConnection);

    QThread soundThread;
    QObject soundThreadContext;  // lives on soundThread: work posted to it runs there
    std::unique_ptr<SinkPlayer> player;  // used on soundThread only
    std::shared_ptr<PlaybackSource> playing;
};
