#include "Canvas.h"

#include <QImageWriter>
#include <QTransform>

QImage newPicture(QSize layoutSize, int scale, const QColor& fill)
{
    QImage picture(layoutSize * scale, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(scale);
    picture.fill(fill);
    return picture;
}

void beginPainting(QPainter& painter, QImage& picture)
{
    painter.begin(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
}

namespace {

bool hasTransparentPixel(const QImage& picture)
{
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (qAlpha(picture.pixel(x, y)) != 255) return true;
        }
    }
    return false;
}

} // namespace

bool savePicture(const QImage& picture, const QString& path)
{
    const QImage::Format format = hasTransparentPixel(picture) ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    QImageWriter writer(path, "png");
    return writer.write(picture.convertToFormat(format));
}

QPolygonF insetQuad(const QPolygonF& quad, double from, double to)
{
    QTransform unitToQuad;
    QTransform::squareToQuad(quad, unitToQuad);
    return unitToQuad.map(QPolygonF({{from, from}, {to, from}, {to, to}, {from, to}}));
}
