// The board's picture: marble, a turquoise band over rows 0 to 3, the rows a
// column must not grow into, and pale grey marble below.
#include "Artwork.h"
#include "Canvas.h"
#include "Noise.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr QSize kBoardSize(245, 450);
// Rows 0 to 3 end at 128; the band reaches a little further, as the red strip
// beside the board does.
constexpr double kBandHeight = 130.0;
constexpr std::uint32_t kVeinSeed = 0x5EED0001u;
constexpr std::uint32_t kCloudSeed = 0x5EED0002u;
// Where the veins' fading is read from the cloud noise, away from the clouds.
constexpr double kFadeShift = 100.0;

struct Marble {
    QColor base;
    QColor vein;
    QColor cloud;
};

const Marble kTurquoise{QColor(70, 200, 192), QColor(20, 110, 112), QColor(170, 236, 228)};
const Marble kPaleGrey{QColor(226, 226, 222), QColor(150, 152, 158), QColor(246, 246, 243)};

QColor blend(const QColor& a, const QColor& b, double t)
{
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// Veins follow the crests of a sine wave bent by turbulence: a broad soft
// shadow around a thin dark line. Clouds are gentler noise.
QColor marbleAt(const Marble& marble, double x, double y, const ValueNoise& veins, const ValueNoise& clouds)
{
    const double bend = veins.turbulence(x / 70.0, y / 70.0, 6);
    const double crest = 1.0 - std::abs(std::sin((x * 0.8 + y * 0.45) / 16.0 + bend * 8.0));
    const double strength = 0.35 + 0.65 * clouds.fractal(x / 90.0 + kFadeShift, y / 90.0, 3);
    const double vein = strength * (0.3 * std::pow(crest, 3.0) + 0.55 * std::pow(crest, 16.0));
    const double cloud = clouds.fractal(x / 40.0, y / 40.0, 5);
    const QColor clouded = blend(marble.base, marble.cloud, std::clamp((cloud - 0.4) * 1.8, 0.0, 1.0));
    return blend(clouded, marble.vein, vein);
}

} // namespace

QImage drawBoard(int scale)
{
    QImage picture = newPicture(kBoardSize, scale);
    const ValueNoise veins(kVeinSeed);
    const ValueNoise clouds(kCloudSeed);
    for (int py = 0; py < picture.height(); ++py) {
        const double y = (py + 0.5) / scale;
        const Marble& marble = y < kBandHeight ? kTurquoise : kPaleGrey;
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(py));
        for (int px = 0; px < picture.width(); ++px) {
            line[px] = marbleAt(marble, (px + 0.5) / scale, y, veins, clouds).rgb();
        }
    }
    return picture;
}
