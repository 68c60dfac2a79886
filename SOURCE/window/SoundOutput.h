#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// The flag word of a request to play a sound.
using SoundFlags = std::uint32_t;

namespace Snd {
inline constexpr SoundFlags kSync = 0x0000;       // return when the sound has finished
inline constexpr SoundFlags kAsync = 0x0001;      // return at once; the sound plays on
inline constexpr SoundFlags kNoDefault = 0x0002;  // stay silent when the sound cannot play
inline constexpr SoundFlags kMemory = 0x0004;     // the sound is an image in memory
inline constexpr SoundFlags kLoop = 0x0008;       // play it over and over until stopped
inline constexpr SoundFlags kNoStop = 0x0010;     // leave a playing sound alone and drop this one
} // namespace Snd

// The process's sound service: one sound at a time, whoever asks for it.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;

    // Plays a RIFF/WAVE image in place. The image must stay unchanged until
    // the sound has finished or has been stopped: it is read as it plays.
    virtual void play(std::span<const std::byte> image, SoundFlags flags) = 0;
    // Ends whatever sound is playing; once this returns, no image is read any more.
    virtual void stop() = 0;
};
