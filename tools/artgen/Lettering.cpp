#include "Lettering.h"

#include <QRawFont>
#include <QTransform>

#include <algorithm>

#include <cstdio>

namespace {

const char* const kBlockLettersFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
const char* const kCreditFile = "/usr/share/fonts/opentype/comic-neue/ComicNeue-BoldItalic.otf";
// Outlines are taken at a large size and scaled down, so no hinting for a
// small size distorts them.
constexpr double kOutlinePixelSize = 100.0;

QRawFont& font(Typeface typeface)
{
    static QRawFont blockLetters;
    static QRawFont credit;
    return typeface == Typeface::BlockLetters ? blockLetters : credit;
}

bool load(Typeface typeface, const char* file)
{
    font(typeface) = QRawFont(QString::fromLatin1(file), kOutlinePixelSize, QFont::PreferNoHinting);
    if (font(typeface).isValid()) return true;
    std::fprintf(stderr, "artgen: cannot read the font %s\n", file);
    return false;
}

} // namespace

bool loadTypefaces()
{
    return load(Typeface::BlockLetters, kBlockLettersFile) && load(Typeface::Credit, kCreditFile);
}

QPainterPath textOutline(const QString& text, Typeface typeface, double pixelSize)
{
    const QRawFont& raw = font(typeface);
    const QList<quint32> glyphs = raw.glyphIndexesForString(text);
    const QList<QPointF> advances =
        raw.advancesForGlyphIndexes(glyphs, QRawFont::KernedAdvances | QRawFont::UseDesignMetrics);
    QPainterPath outline;
    QPointF pen;
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        outline.addPath(raw.pathForGlyph(glyphs[i]).translated(pen));
        pen += advances[i];
    }
    const double k = pixelSize / kOutlinePixelSize;
    return QTransform::fromScale(k, k).map(outline);
}

QPainterPath textInUnitSquare(const QString& text, Typeface typeface, double height)
{
    const QPainterPath outline = textOutline(text, typeface, kOutlinePixelSize);
    const QRectF box = outline.boundingRect();
    const double k = height / std::max(box.width(), box.height());
    QTransform fit;
    fit.translate(0.5, 0.5);
    fit.scale(k, k);
    fit.translate(-box.center().x(), -box.center().y());
    return fit.map(outline);
}

QPainterPath onQuad(const QPainterPath& unitPath, const QPolygonF& quad)
{
    QTransform unitToQuad;
    QTransform::squareToQuad(quad, unitToQuad);
    return unitToQuad.map(unitPath);
}
