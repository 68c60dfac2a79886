#pragma once

#include <QRect>
#include <QtMath>

// The window was laid out in twips at 15 twips to a pixel; the layout keeps
// the twips figures and converts them once, when a control is placed.
inline constexpr double kTwipsPerPixel = 15.0;

inline int twipsToPixels(double twips) { return qRound(twips / kTwipsPerPixel); }

inline QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}
