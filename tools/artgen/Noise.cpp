#include "Noise.h"

#include <cmath>

namespace {

std::uint32_t mix(std::uint32_t h)
{
    // The finaliser of MurmurHash3: every input bit reaches every output bit.
    h ^= h >> 16;
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
    h *= 0xC2B2AE35u;
    h ^= h >> 16;
    return h;
}

// About 37 degrees, and a shift off the lattice.
constexpr double kOctaveCos = 0.8;
constexpr double kOctaveSin = 0.6;
constexpr double kOctaveShift = 17.31;

double smooth(double t) { return t * t * (3.0 - 2.0 * t); }

double lerp(double a, double b, double t) { return a + (b - a) * t; }

} // namespace

double ValueNoise::lattice(std::int32_t x, std::int32_t y) const
{
    constexpr std::uint32_t kRowStride = 0x9E3779B1u;
    constexpr double kMaxHash = 4294967295.0;
    const std::uint32_t row = mix(static_cast<std::uint32_t>(y) * kRowStride ^ seed);
    return mix(static_cast<std::uint32_t>(x) ^ row) / kMaxHash;
}

double ValueNoise::at(double x, double y) const
{
    const double cellX = std::floor(x);
    const double cellY = std::floor(y);
    const auto ix = static_cast<std::int32_t>(cellX);
    const auto iy = static_cast<std::int32_t>(cellY);
    const double tx = smooth(x - cellX);
    const double ty = smooth(y - cellY);
    const double top = lerp(lattice(ix, iy), lattice(ix + 1, iy), tx);
    const double bottom = lerp(lattice(ix, iy + 1), lattice(ix + 1, iy + 1), tx);
    return lerp(top, bottom, ty);
}

double ValueNoise::fractal(double x, double y, int octaves) const
{
    return octavesOf(x, y, octaves, false);
}

double ValueNoise::turbulence(double x, double y, int octaves) const
{
    return octavesOf(x, y, octaves, true);
}

double ValueNoise::octavesOf(double x, double y, int octaves, bool folded) const
{
    double sum = 0.0;
    double weight = 1.0;
    double total = 0.0;
    for (int octave = 0; octave < octaves; ++octave) {
        const double value = at(x, y);
        sum += weight * (folded ? std::abs(2.0 * value - 1.0) : value);
        total += weight;
        weight *= 0.5;
        // Each octave is turned against the last, so the lattice's rows and
        // columns do not line up into visible squares.
        const double turnedX = kOctaveCos * x - kOctaveSin * y;
        const double turnedY = kOctaveSin * x + kOctaveCos * y;
        x = 2.0 * turnedX + kOctaveShift;
        y = 2.0 * turnedY + kOctaveShift;
    }
    return sum / total;
}
