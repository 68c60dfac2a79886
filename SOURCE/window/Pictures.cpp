#include "window/Pictures.h"

#include <QPainter>
#include <QPainterPath>

#include <array>

// Plain stand-in pictures, drawn at start-up, with the sizes and transparency
// of the real artwork.
namespace Pictures {

namespace {

constexpr QSize kBoardSize(245, 450);
constexpr int kBoardBandHeight = 130;
constexpr QSize kTitleSize(200, 65);

struct CellLook {
    QColor colour;
    const char* mark;
};

const std::array<CellLook, kCellPictureCount> kCellLooks{{
    {QColor(220, 30, 30), "Aa"},  {QColor(30, 60, 220), "Bb"},   {QColor(30, 160, 40), "Cc"},
    {QColor(140, 40, 170), "Dd"}, {QColor(245, 140, 20), "Ee"},  {QColor(20, 20, 20), "Ff"},
    {QColor(40, 180, 90), "?"},   {QColor(240, 120, 0), "*"},    {QColor(140, 90, 40), "|"},
    {QColor(140, 90, 40), "="},   {QColor(230, 20, 60), "<3"},   {QColor(10, 10, 10), "B"},
    {QColor(255, 200, 0), "##"},  {QColor(150, 150, 150), "$"},
}};

} // namespace

QPixmap cellPicture(int index)
{
    const CellLook& look = kCellLooks.at(static_cast<std::size_t>(index));
    QPixmap picture(kCellSize, kCellSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(look.colour);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawEllipse(QRectF(2.5, 2.5, 27, 27));
    painter.setPen(Qt::white);
    QFont font("DejaVu Sans", 8, QFont::Bold);
    painter.setFont(font);
    painter.drawText(picture.rect(), Qt::AlignCenter, QString::fromLatin1(look.mark));
    return picture;
}

QPixmap boardPicture()
{
    QPixmap picture(kBoardSize);
    QPainter painter(&picture);
    painter.fillRect(0, 0, kBoardSize.width(), kBoardBandHeight, QColor(64, 200, 200));
    painter.fillRect(0, kBoardBandHeight, kBoardSize.width(), kBoardSize.height() - kBoardBandHeight,
                     QColor(225, 225, 225));
    return picture;
}

QPixmap titlePicture()
{
    QPixmap picture(kTitleSize);
    picture.fill(QColor(190, 30, 160));
    QPainter painter(&picture);
    painter.setPen(Qt::yellow);
    painter.setFont(QFont("DejaVu Sans", 20, QFont::Bold));
    painter.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("Vorn"));
    return picture;
}

QIcon windowIcon() { return QIcon(cellPicture(1)); }

QCursor pointer()
{
    QPixmap picture(kCellSize, kCellSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrow;
    arrow.moveTo(0, 0);
    arrow.lineTo(0, 20);
    arrow.lineTo(6, 15);
    arrow.lineTo(11, 24);
    arrow.lineTo(15, 22);
    arrow.lineTo(10, 13);
    arrow.lineTo(17, 13);
    arrow.closeSubpath();
    painter.setBrush(Qt::white);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawPath(arrow);
    return QCursor(picture, 0, 0);
}

} // namespace Pictures
