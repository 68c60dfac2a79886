#include "sound/QtSoundBackend.h"

#include <QAudioFormat>

namespace {

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

QtSoundBackend::QtSoundBackend() : player(std::make_unique<SinkPlayer>())
{
    soundThread.setObjectName(QStringLiteral("sound"));
    soundThreadContext.moveToThread(&soundThread);
    soundThread.start();
}

QtSoundBackend::~QtSoundBackend()
{
    stop();
    // The sink must be destroyed on the thread it was made on, before that thread ends.
    onSoundThread([this] { player.reset(); }, Qt::BlockingQueuedConnection);
    soundThread.quit();
    soundThread.wait();
}

template <typename Work>
void QtSoundBackend::onSoundThread(Work work, Qt::ConnectionType type)
{
    QMetaObject::invokeMethod(&soundThreadContext, std::move(work), type);
}

void QtSoundBackend::start(const PcmSound& sound, bool loop)
{
    stop();
    playing = std::make_shared<PlaybackSource>(sound.samples, loop);
    onSoundThread([this, format = formatOf(sound), source = playing] { player->begin(format, source); });
}

void QtSoundBackend::stop()
{
    if (!playing) return;
    // Detaching here, not on the sound thread, frees the image the moment stop returns.
    playing->detach();
    playing.reset();
    onSoundThread([this] { player->end(); });
}

void QtSoundBackend::drain(std::chrono::microseconds limit)
{
    if (playing) playing->waitPlayedOut(limit);
}

std::optional<std::chrono::steady_clock::time_point> QtSoundBackend::firstSampleTaken() const
{
    return playing ? playing->firstReadAt() : std::nullopt;
}
