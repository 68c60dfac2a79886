#pragma once

#include "sound/PlaybackSource.h"
#include "sound/SinkPlayer.h"
#include "sound/SoundBackend.h"

#include <QObject>
#include <QThread>

#include <chrono>
#include <memory>
#include <optional>

// Plays through Qt Multimedia on a thread of its own, which runs its own
// event loop, so that the window's thread can block through a synchronous
// sound without handling a single event.
//
// Qt may block that thread for good: a sound server that dies while a sink
// connects leaves the sink's start waiting for ever. So the window's thread
// never waits on it past a limit. A sound the thread has not handed to the
// device within the limit is not drained, the sounds after it are held in
// silence until the thread is back, and a thread that does not end when the
// backend goes is left behind.
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
    struct SoundThread;

    template <typename Work>
    void onSoundThread(Work work);
    bool soundThreadStuck() const;
    static void leaveBehind(std::unique_ptr<SoundThread> thread);

    std::unique_ptr<SoundThread> soundThread;
    std::shared_ptr<PlaybackSource> playing;
    std::shared_ptr<PlaybackSource> lastSent;  // the last sound handed to the sound thread
    std::chrono::steady_clock::time_point lastSentAt;
};
