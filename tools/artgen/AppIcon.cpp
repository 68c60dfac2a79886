#include "AppIcon.h"

#include "Canvas.h"
#include "ColourBlocks.h"
#include "window/PictureFiles.h"

#include <QSvgGenerator>

namespace {

constexpr int kRecordedFontPoints = 9;

void paintIcon(QPainter& painter) { paintColourBlock(painter, PictureFiles::kWindowIconCell); }

} // namespace

QImage drawAppIcon(int pixels)
{
    QImage picture(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter;
    beginPainting(painter, picture);
    painter.scale(static_cast<double>(pixels) / kBlockCellSize.width(),
                  static_cast<double>(pixels) / kBlockCellSize.height());
    paintIcon(painter);
    return picture;
}

bool writeScalableAppIcon(const QString& path)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(kBlockCellSize);
    svg.setViewBox(QRect(QPoint(0, 0), kBlockCellSize));
    svg.setTitle(QStringLiteral("Vorn"));
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    painter.setRenderHint(QPainter::Antialiasing);
    // The generator records the painter's font on every group, though the
    // letters are outlines; a fixed font keeps the file the same on every
    // machine, whatever its default font.
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), kRecordedFontPoints));
    paintIcon(painter);
    return painter.end();
}
