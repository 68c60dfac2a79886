#include "CueSounds.h"

#include "Synth.h"

#include <algorithm>
#include <array>

namespace {

// One partial of a struck sound: its frequency as a multiple of the note's,
// its level and how fast it dies away.
struct Partial {
    double ratio;
    double level;
    double tau;  // seconds to fall by e
};

// Adds a struck note from start onwards: partials that start together after
// a short linear attack and then decay each at its own pace.
void addStruck(std::vector<double>& out, double rate, double start, double frequency,
               const std::vector<Partial>& partials, double gain, double attack)
{
    const auto first = static_cast<std::size_t>(start * rate);
    const double attackSamples = attack * rate;
    for (const Partial& partial : partials) {
        const double step = frequency * partial.ratio / rate;
        const double fall = decayPerSample(partial.tau, rate);
        double phase = 0.0;
        double level = gain * partial.level;
        for (std::size_t i = first; i < out.size(); ++i) {
            const double n = static_cast<double>(i - first);
            const double rise = n < attackSamples ? n / attackSamples : 1.0;
            out[i] += rise * level * sineOfTurns(phase);
            phase += step;
            level *= fall;
        }
    }
}

// Brings the last moments down to silence, so the sound ends without a click.
void fadeOut(std::vector<double>& out, double rate, double seconds)
{
    const auto length = static_cast<std::size_t>(seconds * rate);
    for (std::size_t k = 0; k < length && k < out.size(); ++k)
        out[out.size() - 1 - k] *= static_cast<double>(k) / static_cast<double>(length);
}

// Equal-tempered note frequencies used below (A4 = 440 Hz).
constexpr double kG4 = 392.00;
constexpr double kC5 = 523.25;
constexpr double kE5 = 659.26;
constexpr double kG5 = 783.99;
constexpr double kA5 = 880.00;
constexpr double kD6 = 1174.66;
constexpr double kA6 = 1760.00;
constexpr std::array<double, 6> kHighPentatonic{2093.00, 2349.32, 2637.02, 3135.96, 3520.00, 4186.01};

constexpr double kEndFade = 0.004;

} // namespace

Channels coinChime(double rate, std::size_t frames)
{
    // Two bright bell strokes a fifth apart, the second ringing on.
    std::vector<double> out(frames, 0.0);
    const std::vector<Partial> bell{{1.0, 1.0, 0.09}, {2.0, 0.28, 0.05}, {2.76, 0.12, 0.03}};
    const std::vector<Partial> ringing{{1.0, 1.0, 0.12}, {2.0, 0.25, 0.06}, {2.76, 0.10, 0.035}};
    addStruck(out, rate, 0.0, kD6, bell, 0.36, 0.0015);
    addStruck(out, rate, 0.055, kA6, ringing, 0.44, 0.0015);
    fadeOut(out, rate, kEndFade);
    return {out};
}

Channels sparkle(double rate, std::size_t frames)
{
    // Quick high pings climbing a pentatonic scale over a faint glitter.
    std::vector<double> out(frames, 0.0);
    Noise noise(0x5EA7C0DEU);
    const double length = static_cast<double>(frames) / rate;
    const std::vector<Partial> ping{{1.0, 1.0, 0.035}, {2.0, 0.2, 0.015}};
    int step = 0;
    for (double at = 0.0; at < length - 0.03; at += 0.026 + 0.008 * (noise.next() + 1.0) / 2.0, ++step) {
        const std::size_t climb = std::min(static_cast<std::size_t>(step / 3) + noise.below(3), kHighPentatonic.size() - 1);
        addStruck(out, rate, at, kHighPentatonic[climb], ping, 0.24, 0.001);
    }
    double glitter = 0.0;
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double swell = std::min(1.0, t / 0.06) * (1.0 - 0.65 * t / length);
        // The difference of successive noise values leaves only its upper half.
        const double white = noise.next();
        out[i] = swell * (out[i] + 0.03 * (white - glitter));
        glitter = white;
    }
    fadeOut(out, rate, kEndFade);
    return {out};
}

Channels blast(double rate, std::size_t frames)
{
    // A burst of noise whose brightness falls away, over a deep falling boom.
    std::vector<double> out(frames, 0.0);
    Noise noise(0xB0B0B0B0U);
    const double twoPi = 6.283185307179586;
    const double bodyFall = decayPerSample(0.32, rate);
    const double tailFall = decayPerSample(0.9, rate);
    const double brightnessFall = decayPerSample(0.25, rate);
    const double boomFall = decayPerSample(0.45, rate);
    const double glide = decayPerSample(1.6, rate);
    double body = 1.0;
    double tail = 0.15;
    double brightness = 2400.0;
    double boomLevel = 0.75;
    double boomFrequency = 95.0;
    double boomPhase = 0.0;
    double low1 = 0.0;
    double low2 = 0.0;
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double cutoff = twoPi * (brightness + 150.0);
        const double smoothing = cutoff / (rate + cutoff);
        low1 += smoothing * (noise.next() - low1);
        low2 += smoothing * (low1 - low2);
        const double attack = std::min(1.0, t / 0.004);
        const double rumble = attack * (body + tail) * 1.6 * low2;
        const double boom = std::min(1.0, t / 0.002) * boomLevel * sineOfTurns(boomPhase);
        out[i] = 0.8 * softClip(rumble + boom);
        body *= bodyFall;
        tail *= tailFall;
        brightness *= brightnessFall;
        boomLevel *= boomFall;
        boomPhase += boomFrequency / rate;
        boomFrequency = std::max(38.0, boomFrequency * glide);
    }
    fadeOut(out, rate, 0.01);
    return {out};
}

Channels rattle(double rate, std::size_t frames)
{
    // Wooden clicks climbing and coming down like steps on rungs.
    std::vector<double> out(frames, 0.0);
    Noise noise(0x1ADDE125U);
    const double length = static_cast<double>(frames) / rate;
    constexpr std::array<double, 7> kRungs{820.0, 900.0, 980.0, 1120.0, 1300.0, 1120.0, 980.0};
    int click = 0;
    for (double at = 0.0; at < length - 0.04; at += 0.033 + 0.01 * (noise.next() + 1.0) / 2.0, ++click) {
        const double frequency = kRungs[static_cast<std::size_t>(click) % kRungs.size()];
        const double level = 0.42 * (1.0 + 0.15 * noise.next()) * (1.0 - 0.35 * at / length);
        addStruck(out, rate, at, frequency, {{1.0, 1.0, 0.018}, {2.3, 0.45, 0.009}}, level, 0.0005);
        // A short scrape of noise gives each click its wood.
        const auto first = static_cast<std::size_t>(at * rate);
        const auto scrape = static_cast<std::size_t>(0.002 * rate);
        for (std::size_t k = 0; k < scrape && first + k < frames; ++k)
            out[first + k] += level * 0.5 * noise.next() * (1.0 - static_cast<double>(k) / static_cast<double>(scrape));
    }
    fadeOut(out, rate, kEndFade);
    return {out};
}

Channels softDing(double rate, std::size_t frames)
{
    // A gentle bell; the right side is tuned a shade higher and comes a
    // fraction later, which widens it without moving it off centre.
    const std::vector<Partial> bell{{1.0, 1.0, 0.35}, {2.0, 0.35, 0.2}, {3.01, 0.12, 0.12}, {4.17, 0.06, 0.08}};
    constexpr double kRightDetune = 1.0012;
    constexpr double kRightDelay = 0.0004;
    std::vector<double> left(frames, 0.0);
    std::vector<double> right(frames, 0.0);
    addStruck(left, rate, 0.0, kA5, bell, 0.42, 0.008);
    addStruck(right, rate, kRightDelay, kA5 * kRightDetune, bell, 0.42, 0.008);
    fadeOut(left, rate, kEndFade);
    fadeOut(right, rate, kEndFade);
    return {left, right};
}

Channels fallingPhrase(double rate, std::size_t frames)
{
    // Four soft triangle-like notes stepping down; the last one sags and fades.
    std::vector<double> out(frames, 0.0);
    const double length = static_cast<double>(frames) / rate;
    constexpr std::array<double, 4> kNotes{kG5, kE5, kC5, kG4};
    constexpr double kNoteLength = 0.22;
    constexpr double kRelease = 0.025;
    for (std::size_t n = 0; n < kNotes.size(); ++n) {
        const bool last = n + 1 == kNotes.size();
        const double start = static_cast<double>(n) * kNoteLength;
        const double stop = last ? length : start + kNoteLength + kRelease;
        const auto first = static_cast<std::size_t>(start * rate);
        const auto end = std::min(frames, static_cast<std::size_t>(stop * rate));
        double phase = 0.0;
        double vibrato = 0.0;
        for (std::size_t i = first; i < end; ++i) {
            const double t = static_cast<double>(i) / rate - start;
            double level = std::min(1.0, t / 0.006);
            level *= t < 0.06 ? 1.0 - 0.25 * t / 0.06 : 0.75;
            double frequency = kNotes[n];
            if (last) {
                const double sag = std::max(0.0, t - 0.15) / (length - start - 0.15);
                level *= 1.0 - 0.6 * sag;
                frequency *= (1.0 - 0.06 * sag) * (1.0 + 0.004 * sineOfTurns(vibrato));
                vibrato += 5.0 / rate;
            } else if (t > kNoteLength) {
                level *= 1.0 - (t - kNoteLength) / kRelease;
            }
            out[i] += 0.55 * level *
                      (sineOfTurns(phase) - sineOfTurns(3.0 * phase) / 9.0 + sineOfTurns(5.0 * phase) / 25.0);
            phase += frequency / rate;
        }
    }
    fadeOut(out, rate, 0.008);
    return {out};
}
