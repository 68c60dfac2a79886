#include "Synth.h"

#include <cassert>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kSineTerms = 8;   // odd powers up to 15: error below 1e-11 on [-pi/2, pi/2]
constexpr int kExpTerms = 8;

} // namespace

double sineOfTurns(double turns)
{
    // Fold the angle into [-1/4, 1/4] turn, where the series converges fast.
    double x = turns - std::floor(turns);
    if (x >= 0.5) x -= 1.0;
    if (x > 0.25) x = 0.5 - x;
    if (x < -0.25) x = -0.5 - x;
    const double t = 2.0 * kPi * x;
    const double t2 = t * t;
    double term = t;
    double sum = t;
    for (int k = 1; k < kSineTerms; ++k) {
        term = -term * t2 / static_cast<double>((2 * k) * (2 * k + 1));
        sum += term;
    }
    return sum;
}

double expSmall(double x)
{
    assert(x > -0.01 && x < 0.01);
    double term = 1.0;
    double sum = 1.0;
    for (int k = 1; k < kExpTerms; ++k) {
        term = term * x / static_cast<double>(k);
        sum += term;
    }
    return sum;
}

double decayPerSample(double tau, double rate) { return expSmall(-1.0 / (tau * rate)); }

double softClip(double x)
{
    if (x >= 1.5) return 1.0;
    if (x <= -1.5) return -1.0;
    // x - 4x^3/27: slope 1 at 0, slope 0 and value 1 at 1.5.
    return x - 4.0 * x * x * x / 27.0;
}

std::uint32_t Noise::step()
{
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}

double Noise::next() { return static_cast<double>(step()) / 2147483648.0 - 1.0; }

std::uint32_t Noise::below(std::uint32_t count) { return step() % count; }
