// The title: the game's name in letter blocks, and a credit line in yellow
// italic, on a magenta textured ground.
#include "Artwork.h"
#include "Canvas.h"
#include "ColourBlocks.h"
#include "Lettering.h"
#include "Noise.h"

#include <array>
#include <algorithm>
#include <cmath>

namespace {

constexpr QSize kTitleSize(200, 65);
// The window's edge cuts off the picture's right 4 pixels; the name and the
// credit are centred on what shows.
constexpr double kShownWidth = 196.0;
constexpr std::uint32_t kGroundSeed = 0x5EED0003u;
constexpr std::uint32_t kGrainSeed = 0x5EED0004u;
const QColor kMagenta(196, 28, 156);
const QColor kCreditYellow(255, 236, 40);
const QColor kCreditShadow(70, 0, 60);
const QString kCredit = QStringLiteral("by the Vorn team, 2026");
constexpr double kCreditPixelSize = 13.0;
constexpr double kCreditBaseline = 57.5;

struct NameBlock {
    const char* capital;
    const char* small;
    int colour;
};

const std::array<NameBlock, 4> kName{{{"V", "v", 0}, {"O", "o", 1}, {"R", "r", 2}, {"N", "n", 4}}};
constexpr double kBlockSize = 24.0;
constexpr double kBlockDepth = 9.0;
constexpr double kBlockGap = 5.0;
constexpr double kBlockTop = 11.5;
// Every other block sits a little higher, as if set down by hand.
constexpr double kBlockStagger = 2.0;

void paintGround(QImage& picture)
{
    const ValueNoise ground(kGroundSeed);
    const ValueNoise grain(kGrainSeed);
    const double scale = picture.devicePixelRatio();
    for (int py = 0; py < picture.height(); ++py) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(py));
        const double y = (py + 0.5) / scale;
        for (int px = 0; px < picture.width(); ++px) {
            const double x = (px + 0.5) / scale;
            const double shade =
                0.78 + 0.32 * ground.fractal(x / 18.0, y / 18.0, 4) + 0.12 * grain.at(x * 1.3, y * 1.3);
            line[px] = qRgb(std::clamp(static_cast<int>(kMagenta.red() * shade), 0, 255),
                            std::clamp(static_cast<int>(kMagenta.green() * shade), 0, 255),
                            std::clamp(static_cast<int>(kMagenta.blue() * shade), 0, 255));
        }
    }
}

void paintName(QPainter& painter)
{
    const double width = kName.size() * (kBlockSize + kBlockDepth) + (kName.size() - 1) * kBlockGap;
    double left = std::round((kShownWidth - width) / 2.0) + 0.5;
    for (std::size_t i = 0; i < kName.size(); ++i) {
        const NameBlock& letter = kName[i];
        const double top = kBlockTop + (i % 2 == 0 ? kBlockStagger : 0.0);
        const Cube cube{{left, top}, kBlockSize, kBlockDepth};
        paintLetterBlock(painter, cube,
                         colouredBlock(blockColour(letter.colour), QString::fromLatin1(letter.capital),
                                       QString::fromLatin1(letter.small)));
        left += kBlockSize + kBlockDepth + kBlockGap;
    }
}

void paintCredit(QPainter& painter)
{
    const QPainterPath credit = textOutline(kCredit, Typeface::Credit, kCreditPixelSize);
    const QPointF origin((kShownWidth - credit.boundingRect().width()) / 2.0 - credit.boundingRect().left(),
                         kCreditBaseline);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kCreditShadow);
    painter.drawPath(credit.translated(origin + QPointF(0.8, 0.8)));
    painter.setBrush(kCreditYellow);
    painter.drawPath(credit.translated(origin));
}

} // namespace

QImage drawTitle(int scale)
{
    QImage picture = newPicture(kTitleSize, scale);
    paintGround(picture);
    QPainter painter;
    beginPainting(painter, picture);
    paintName(painter);
    paintCredit(painter);
    return picture;
}
