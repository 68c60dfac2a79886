#include "sound/WebAudioSoundBackend.h"

#include "sound/BrowserPlaybackTimer.h"
#include "sound/SystemSoundBackend.h"

#include <cstdint>
#include <vector>

#include <emscripten.h>

namespace {

// The samples as Web Audio takes them: floats from -1 to 1, still interleaved.
std::vector<float> floatSamples(const PcmSound& sound)
{
    std::vector<float> samples;
    const std::size_t bytesPerSample = sound.bitsPerSample / 8;
    samples.reserve(sound.samples.size() / bytesPerSample);
    for (std::size_t at = 0; at + bytesPerSample <= sound.samples.size(); at += bytesPerSample) {
        if (bytesPerSample == 1) {
            samples.push_back((static_cast<float>(std::to_integer<std::uint8_t>(sound.samples[at])) - 128.0F) / 128.0F);
        } else {
            const auto low = std::to_integer<std::uint16_t>(sound.samples[at]);
            const auto high = std::to_integer<std::uint16_t>(sound.samples[at + 1]);
            samples.push_back(static_cast<float>(static_cast<std::int16_t>(low | (high << 8))) / 32768.0F);
        }
    }
    return samples;
}

} // namespace

// The page's context is Module.vornAudio (made and resumed by the page at the
// player's first press); a context that does not run plays nothing.
EM_JS(void, webAudioStart, (const float* samples, int frames, int channels, int rate, int loop), {
    const audio = Module.vornAudio;
    if (!audio || audio.state !== 'running') return;
    try {
        const buffer = audio.createBuffer(channels, frames, rate);
        const first = samples >> 2;
        for (let channel = 0; channel < channels; ++channel) {
            const data = buffer.getChannelData(channel);
            for (let frame = 0; frame < frames; ++frame) data[frame] = HEAPF32[first + frame * channels + channel];
        }
        const source = audio.createBufferSource();
        source.buffer = buffer;
        source.loop = loop != 0;
        source.connect(audio.destination);
        source.start();
        Module.vornSound = source;
    } catch (error) {
        // A rate or a length the browser cannot take plays nothing.
    }
});

EM_JS(void, webAudioStop, (), {
    const source = Module.vornSound;
    if (!source) return;
    Module.vornSound = null;
    source.stop();
    source.disconnect();
});

std::unique_ptr<SoundBackend> makeSystemSoundBackend() { return std::make_unique<WebAudioSoundBackend>(); }
std::unique_ptr<PlaybackTimer> makeSystemPlaybackTimer() { return std::make_unique<BrowserPlaybackTimer>(); }

WebAudioSoundBackend::~WebAudioSoundBackend() { stop(); }

void WebAudioSoundBackend::start(const PcmSound& sound, bool loop)
{
    stop();
    const std::vector<float> samples = floatSamples(sound);
    webAudioStart(samples.data(), static_cast<int>(sound.frames()), sound.channels, static_cast<int>(sound.sampleRate),
                  loop ? 1 : 0);
}

void WebAudioSoundBackend::stop() { webAudioStop(); }
