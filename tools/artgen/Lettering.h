#pragma once

#include <QPainterPath>
#include <QPolygonF>
#include <QString>

// Letters as outlines, taken from font files of the Debian packages in
// tools/packages-run.txt. Outlines rather than rendered text, so that the
// painter draws them like any other path at both sizes.
enum class Typeface {
    BlockLetters,  // bold upright sans serif for the faces of the letter blocks
    Credit,        // bold italic rounded hand for the title's credit line
};

// Reads the font files; false, with a message, when one is missing.
bool loadTypefaces();

// The text's outline fitted into the unit square: `height` of the square
// tall (or narrower when the text is wide), centred.
QPainterPath textInUnitSquare(const QString& text, Typeface typeface, double height);

// The text's outline with its baseline starting at the origin, `pixelSize` tall.
QPainterPath textOutline(const QString& text, Typeface typeface, double pixelSize);

// A unit-square path carried onto a quadrilateral (corners clockwise from the
// top-left), as a letter on a face of a block seen at an angle.
QPainterPath onQuad(const QPainterPath& unitPath, const QPolygonF& quad);
