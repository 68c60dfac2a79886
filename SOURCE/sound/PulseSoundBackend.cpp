#include "sound/PulseSoundBackend.h"

#include "sound/PulseClientConfig.h"
#include "sound/SteadyPlaybackTimer.h"
#include "sound/SystemSoundBackend.h"

#include <pulse/context.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>

#include <algorithm>
#include <bit>

// The images' 16-bit samples are little-endian and go to the server as they are.
static_assert(std::endian::native == std::endian::little);

namespace {

using namespace std::chrono_literals;

// A server that failed is asked for again at the next sound, but not sooner than this.
constexpr auto kReconnectInterval = 1s;
// What the stream keeps buffered: the servers' defaults (up to two seconds)
// would delay the sound and keep a drain waiting long after the last sample.
constexpr pa_usec_t kBufferUs = 40'000;
constexpr std::uint32_t kServerChooses = static_cast<std::uint32_t>(-1);

pa_sample_spec sampleFormatOf(const PcmSound& sound)
{
    pa_sample_spec sampleFormat{};
    sampleFormat.format = sound.bitsPerSample == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE;
    sampleFormat.rate = sound.sampleRate;
    sampleFormat.channels = static_cast<std::uint8_t>(sound.channels);
    return sampleFormat;
}

} // namespace

std::unique_ptr<SoundBackend> makeSystemSoundBackend() { return std::make_unique<PulseSoundBackend>(); }
std::unique_ptr<PlaybackTimer> makeSystemPlaybackTimer() { return std::make_unique<SteadyPlaybackTimer>(); }

class PulseSoundBackend::Lock {
public:
    explicit Lock(pa_threaded_mainloop* held) : mainloop(held) { pa_threaded_mainloop_lock(mainloop); }
    ~Lock() { pa_threaded_mainloop_unlock(mainloop); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

private:
    pa_threaded_mainloop* mainloop;
};

PulseSoundBackend::~PulseSoundBackend()
{
    if (!mainloop) return;
    {
        const Lock lock(mainloop);
        endSound();
        dropContext();
    }
    pa_threaded_mainloop_stop(mainloop);
    pa_threaded_mainloop_free(mainloop);
}

void PulseSoundBackend::start(const PcmSound& sound, bool loop)
{
    stop();
    playing = std::make_shared<PlaybackSource>(sound.samples, loop);
    format = sound;
    looping = loop;
    if (!mainloop) {
        startWithFirstConnection();
        return;
    }
    const Lock lock(mainloop);
    if (context && !PA_CONTEXT_IS_GOOD(pa_context_get_state(context))) dropContext();
    if (!context) connect();
    if (!context) {
        playing->markPlayedOut();
        return;
    }
    if (pa_context_get_state(context) == PA_CONTEXT_READY)
        openStream();
    else
        waitingForContext = true;
}

void PulseSoundBackend::stop()
{
    if (!playing) return;
    // Without the library's thread nothing ever read the sound.
    if (!mainloop) {
        playing.reset();
        return;
    }
    const Lock lock(mainloop);
    endSound();
    // From here on the library's thread reads nothing of the image.
    playing->detach();
    playing.reset();
}

void PulseSoundBackend::drain(std::chrono::microseconds limit)
{
    if (playing) playing->waitPlayedOut(limit);
}

// The first sound asks for the server before the library's thread runs, so
// that it never waits for that thread's lock: on a busy machine a new thread
// can be long in being scheduled, and the sound would hold the game as long.
void PulseSoundBackend::startWithFirstConnection()
{
    // Before the library's thread and its first connection; once for the process.
    static const bool configured = (useClientConfigWithoutSharedMemory(), true);
    (void)configured;
    mainloop = pa_threaded_mainloop_new();
    if (!mainloop) {
        playing->markPlayedOut();
        return;
    }
    connect();
    waitingForContext = context != nullptr;
    if (!waitingForContext) playing->markPlayedOut();
    if (pa_threaded_mainloop_start(mainloop) < 0) {
        endSound();
        dropContext();
        pa_threaded_mainloop_free(mainloop);
        mainloop = nullptr;
    }
}

void PulseSoundBackend::connect()
{
    const auto now = std::chrono::steady_clock::now();
    if (lastConnect && now - *lastConnect < kReconnectInterval) return;
    lastConnect = now;
    context = pa_context_new(pa_threaded_mainloop_get_api(mainloop), "Vorn");
    if (!context) return;
    pa_context_set_state_callback(context, contextChanged, this);
    // Never starts a server: a player without one plays in silence.
    if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) dropContext();
}

void PulseSoundBackend::openStream()
{
    waitingForContext = false;
    allWritten = false;
    const pa_sample_spec sampleFormat = sampleFormatOf(*format);
    stream = pa_sample_spec_valid(&sampleFormat) ? pa_stream_new(context, "Vorn", &sampleFormat, nullptr) : nullptr;
    if (!stream) {
        endSound();
        return;
    }
    pa_stream_set_state_callback(stream, streamChanged, this);
    pa_stream_set_write_callback(stream, streamWritable, this);
    pa_buffer_attr buffer{};
    buffer.maxlength = kServerChooses;
    buffer.tlength = static_cast<std::uint32_t>(pa_usec_to_bytes(kBufferUs, &sampleFormat));
    buffer.prebuf = kServerChooses;
    buffer.minreq = kServerChooses;
    buffer.fragsize = kServerChooses;
    // No sink named: the library takes PULSE_SINK, or else the server's default.
    if (pa_stream_connect_playback(stream, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0)
        endSound();
}

void PulseSoundBackend::feed(std::size_t bytes)
{
    // A sound that ends goes to the server whole at the first request: fed a
    // little at a time, a busy machine would leave gaps in it.
    if (!looping) bytes = std::max(bytes, playing->remaining());
    bytes -= bytes % format->blockAlign;
    if (bytes == 0) return;
    chunk.resize(bytes);
    const std::size_t got = playing->read(chunk.data(), bytes);
    if (got > 0 && pa_stream_write(stream, chunk.data(), got, nullptr, 0, PA_SEEK_RELATIVE) < 0) {
        endSound();
        return;
    }
    if (got < bytes) startDrain();
}

void PulseSoundBackend::startDrain()
{
    allWritten = true;
    // The drain completes once the server has played out all it was given.
    draining = pa_stream_drain(stream, streamDrained, this);
    if (!draining) endSound();
}

void PulseSoundBackend::endSound()
{
    waitingForContext = false;
    if (stream) {
        pa_stream_set_state_callback(stream, nullptr, nullptr);
        pa_stream_set_write_callback(stream, nullptr, nullptr);
        if (draining) {
            pa_operation_cancel(draining);
            pa_operation_unref(draining);
            draining = nullptr;
        }
        // Cut at once: what the server still buffers goes unheard.
        if (pa_stream_get_state(stream) == PA_STREAM_READY) {
            if (pa_operation* flushing = pa_stream_flush(stream, nullptr, nullptr)) pa_operation_unref(flushing);
            pa_stream_disconnect(stream);
        }
        pa_stream_unref(stream);
        stream = nullptr;
    }
    if (playing) playing->markPlayedOut();
}

void PulseSoundBackend::dropContext()
{
    if (!context) return;
    pa_context_set_state_callback(context, nullptr, nullptr);
    pa_context_disconnect(context);
    pa_context_unref(context);
    context = nullptr;
}

// The callbacks run on the library's thread, with its lock held.

void PulseSoundBackend::contextChanged(pa_context* changed, void* backend)
{
    auto& self = *static_cast<PulseSoundBackend*>(backend);
    if (changed != self.context) return;
    const pa_context_state_t state = pa_context_get_state(changed);
    if (state == PA_CONTEXT_READY && self.waitingForContext) self.openStream();
    // The server is gone: the sound is over; the context goes at the next sound.
    if (!PA_CONTEXT_IS_GOOD(state)) self.endSound();
}

void PulseSoundBackend::streamChanged(pa_stream* changed, void* backend)
{
    auto& self = *static_cast<PulseSoundBackend*>(backend);
    if (changed != self.stream) return;
    if (!PA_STREAM_IS_GOOD(pa_stream_get_state(changed))) self.endSound();
}

void PulseSoundBackend::streamWritable(pa_stream* writable, std::size_t bytes, void* backend)
{
    auto& self = *static_cast<PulseSoundBackend*>(backend);
    if (writable != self.stream || self.allWritten) return;
    self.feed(bytes);
}

void PulseSoundBackend::streamDrained(pa_stream* drained, int, void* backend)
{
    auto& self = *static_cast<PulseSoundBackend*>(backend);
    if (drained != self.stream) return;
    pa_operation_unref(self.draining);
    self.draining = nullptr;
    if (self.playing) self.playing->markPlayedOut();
}
