#pragma once

#include "sound/PlaybackSource.h"
#include "sound/SoundBackend.h"

#include <chrono>
#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

struct pa_context;
struct pa_operation;
struct pa_stream;
struct pa_threaded_mainloop;

// Plays through the PulseAudio client library, which PipeWire's PulseAudio
// service serves too. The library runs its own thread; every object of it is
// made, used and released under that thread's lock, and every callback first
// checks that it speaks of the context and stream now current, so nothing is
// touched once it has been let go.
//
// The server is first asked for at the first sound, never started on demand,
// and asked for again after a failure at most once a reconnect interval: a
// missing server costs nothing per sound. A sound that cannot reach a server
// is over at once, and the service holds it for its length in silence.
class PulseSoundBackend : public SoundBackend {
public:
    PulseSoundBackend() = default;
    ~PulseSoundBackend() override;
    PulseSoundBackend(const PulseSoundBackend&) = delete;
    PulseSoundBackend& operator=(const PulseSoundBackend&) = delete;

    void start(const PcmSound& sound, bool loop) override;
    void stop() override;
    void drain(std::chrono::microseconds limit) override;

private:
    class Lock;

    void startWithFirstConnection();
    void connect();
    void openStream();
    void feed(std::size_t bytes);
    void startDrain();
    // Lets the stream go (or the sound waiting for the context) and marks the sound over.
    void endSound();
    void dropContext();

    static void contextChanged(pa_context* context, void* backend);
    static void streamChanged(pa_stream* stream, void* backend);
    static void streamWritable(pa_stream* stream, std::size_t bytes, void* backend);
    static void streamDrained(pa_stream* stream, int success, void* backend);

    pa_threaded_mainloop* mainloop = nullptr;
    pa_context* context = nullptr;
    std::optional<std::chrono::steady_clock::time_point> lastConnect;
    pa_stream* stream = nullptr;
    pa_operation* draining = nullptr;
    // The sound now held: its stream is opened once the context is ready.
    std::shared_ptr<PlaybackSource> playing;
    std::optional<PcmSound> format;  // of the sound held; its samples are read through playing
    bool looping = false;
    bool waitingForContext = false;
    bool allWritten = false;  // the stream has the whole sound and drains
    std::vector<std::byte> chunk;  // what one write hands to the library, which copies it
};
