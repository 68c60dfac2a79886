#pragma once

#include <QImage>
#include <QString>

// The program's icon on the desktop: the blue letter block of the window
// icon, drawn from the same paths at every size rather than scaled from one
// picture, so that each size is as sharp as its pixels allow.

// The sizes in pixels that the icon theme gets a picture of.
inline constexpr int kAppIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

QImage drawAppIcon(int pixels);

// Writes the icon as an SVG file; false when it cannot be written.
bool writeScalableAppIcon(const QString& path);
