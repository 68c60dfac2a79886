#pragma once

#include "Cube.h"

#include <QColor>
#include <QPainter>
#include <QString>

// A toy letter block: a cube with a capital on its front and the small letter
// on its side.
struct LetterBlock {
    QColor front;
    QColor top;
    QColor side;
    QColor frontLetter;
    QColor sideLetter;
    QString capital;
    QString small;
};

// A block painted all in one colour with white letters, lit from the top left.
LetterBlock colouredBlock(const QColor& colour, const QString& capital, const QString& small);

void paintLetterBlock(QPainter& painter, const Cube& cube, const LetterBlock& block);
