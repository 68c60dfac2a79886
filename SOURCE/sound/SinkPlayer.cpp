#include "sound/SinkPlayer.h"

#include "sound/PcmReader.h"

#include <QAudioDevice>
#include <QMediaDevices>

#include <bit>

// The images' 16-bit samples are little-endian and go to the sink as they are.
static_assert(std::endian::native == std::endian::little);

namespace {

// The sink reports that all data was handed over while its buffer still
// plays; its free space shows when the buffer has run empty.
constexpr int kPlayedOutCheckMs = 5;
// Far longer than a stopped stream's last replies take to arrive.
constexpr int kRetiredSinkGraceMs = 5000;

// PulseAudio's clients play to the sink PULSE_SINK names, but Qt asks for
// the default sink by name and so would pass over it: look it up ourselves.
QAudioDevice outputDevice()
{
    const QByteArray chosenSink = qgetenv("PULSE_SINK");
    if (!chosenSink.isEmpty()) {
        for (const QAudioDevice& device : QMediaDevices::audioOutputs())
            if (device.id() == chosenSink) return device;
    }
    return QMediaDevices::defaultAudioOutput();
}

} // namespace

void SinkPlayer::begin(const QAudioFormat& format, const std::shared_ptr<PlaybackSource>& source)
{
    end();
    const QAudioDevice device = outputDevice();
    if (device.isNull()) {
        source->markPlayedOut();
        return;
    }
    sink.reset(new QAudioSink(device, format));
    QAudioSink* audio = sink.get();
    auto* reader = new PcmReader(source, audio);
    reader->open(QIODevice::ReadOnly);
    auto* check = new QTimer(audio);
    playedOutCheck = check;
    check->setInterval(kPlayedOutCheckMs);
    QObject::connect(check, &QTimer::timeout, audio, [audio, check, source] {
        if (audio->bytesFree() < audio->bufferSize()) return;
        check->stop();
        source->markPlayedOut();
    });
    QObject::connect(audio, &QAudioSink::stateChanged, audio, [audio, reader, check, source](QAudio::State state) {
        if (state == QAudio::IdleState && reader->atEnd()) check->start();
        if (state == QAudio::StoppedState && audio->error() != QAudio::NoError) source->markPlayedOut();
    });
    audio->start(reader);
    // A sink that could not open stops at once, before anybody listens.
    if (audio->state() == QAudio::StoppedState) source->markPlayedOut();
}

void SinkPlayer::end()
{
    if (!sink) return;
    if (playedOutCheck) playedOutCheck->stop();
    // Nothing more is heard from a sink that is going away.
    sink->disconnect();
    sink->stop();
    QAudioSink* stopped = sink.get();
    retired.push_back(std::move(sink));
    QTimer::singleShot(kRetiredSinkGraceMs, stopped, [this, stopped] {
        retired.remove_if([stopped](const SinkHandle& old) { return old.get() == stopped; });
    });
}
