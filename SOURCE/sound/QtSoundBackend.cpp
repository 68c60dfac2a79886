#include "sound/QtSoundBackend.h"

#include <QAudioFormat>
#include <QDeadlineTimer>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// How long the sound thread may take to hand a sound to the device: far
// more than opening a sink takes, far less than the player would notice.
constexpr auto kDeliveryLimit = std::chrono::milliseconds(250);
// How long the backend waits for its thread to end when it goes.
constexpr auto kShutdownLimit = std::chrono::seconds(2);

// A thread blocked inside the audio library trips over the library's own
// teardown at exit, which frees the lock the thread waits on and aborts. The
// teardowns were registered before this runs, so they run after it: ending
// here, with the status the program gave, skips them.
void endWithoutLibraryTeardown(int status, void*)
{
    std::fflush(nullptr);
    std::_Exit(status);
}

QAudioFormat formatOf(const PcmSound& sound)
{
    QAudioFormat format;
    format.setSampleRate(static_cast<int>(sound.sampleRate));
    format.setChannelCount(sound.channels);
    format.setChannelConfig(QAudioFormat::defaultChannelConfigForChannelCount(sound.channels));
    format.setSampleFormat(sound.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return format;
}

} // namespace

// Work posted to context runs on thread. Posted work reaches it through a
// plain pointer: a thread left behind keeps all of this alive.
struct QtSoundBackend::SoundThread {
    QThread thread;
    QObject context;
    std::unique_ptr<SinkPlayer> player = std::make_unique<SinkPlayer>();  // used on thread only
};

QtSoundBackend::QtSoundBackend() : soundThread(std::make_unique<SoundThread>())
{
    soundThread->thread.setObjectName(QStringLiteral("sound"));
    soundThread->context.moveToThread(&soundThread->thread);
    soundThread->thread.start();
}

QtSoundBackend::~QtSoundBackend()
{
    stop();
    // The sink must be destroyed on the thread it was made on, before that thread ends.
    onSoundThread([thread = soundThread.get()] {
        thread->player.reset();
        thread->thread.quit();
    });
    if (!soundThread->thread.wait(QDeadlineTimer(kShutdownLimit))) leaveBehind(std::move(soundThread));
}

void QtSoundBackend::leaveBehind(std::unique_ptr<SoundThread> thread)
{
    // A thread blocked inside the audio library cannot be ended, and
    // destroying a running QThread aborts: it stays, reachable, until exit.
    static auto& leftBehind = *new std::vector<std::unique_ptr<SoundThread>>;
    if (leftBehind.empty()) ::on_exit(endWithoutLibraryTeardown, nullptr);
    leftBehind.push_back(std::move(thread));
}

template <typename Work>
void QtSoundBackend::onSoundThread(Work work)
{
    QMetaObject::invokeMethod(&soundThread->context, std::move(work), Qt::QueuedConnection);
}

bool QtSoundBackend::soundThreadStuck() const
{
    return lastSent && !lastSent->delivered() && std::chrono::steady_clock::now() - lastSentAt > kDeliveryLimit;
}

void QtSoundBackend::start(const PcmSound& sound, bool loop)
{
    stop();
    playing = std::make_shared<PlaybackSource>(sound.samples, loop);
    if (soundThreadStuck()) {
        playing->markDelivered();
        playing->markPlayedOut();
        return;
    }
    lastSent = playing;
    lastSentAt = std::chrono::steady_clock::now();
    onSoundThread([thread = soundThread.get(), format = formatOf(sound), source = playing] {
        thread->player->begin(format, source);
        source->markDelivered();
    });
}

void QtSoundBackend::stop()
{
    if (!playing) return;
    // Detaching here, not on the sound thread, frees the image the moment stop returns.
    playing->detach();
    playing.reset();
    onSoundThread([thread = soundThread.get()] { thread->player->end(); });
}

void QtSoundBackend::drain(std::chrono::microseconds limit)
{
    if (!playing) return;
    // Counted from when the sound was sent, which is its start: after a
    // long sound a stuck thread costs nothing more.
    if (!playing->waitDelivered(lastSentAt + kDeliveryLimit)) return;
    playing->waitPlayedOut(limit);
}

std::optional<std::chrono::steady_clock::time_point> QtSoundBackend::firstSampleTaken() const
{
    return playing ? playing->firstReadAt() : std::nullopt;
}
