#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The top-players file is in the Central European 8-bit code page, Windows-1250.
// The conversions come from the platform (Windows1250Codec.h), not from a
// table of our own.

// Every byte maps to one character. The five bytes the code page leaves
// undefined (0x81, 0x83, 0x88, 0x90, 0x98) become the control characters
// U+0081 ... U+0098 of the same number, so they are written back unchanged.
QString decodeWindows1250(QByteArrayView bytes);

// What a character the code page cannot hold is written as: one per
// character, also for a character outside the Basic Multilingual Plane.
constexpr char kUnfitWindows1250Character = '?';

QByteArray encodeWindows1250(QStringView text);

// Whether every character of the text survives encoding and decoding unchanged.
bool fitsWindows1250(QStringView text);
