#pragma once

#include <QByteArray>

// Little-endian integers, for tests that build binary images by hand.
inline QByteArray le16(int value)
{
    QByteArray out(2, '\0');
    out[0] = static_cast<char>(value & 0xFF);
    out[1] = static_cast<char>((value >> 8) & 0xFF);
    return out;
}

inline QByteArray le32(qint64 value)
{
    return le16(static_cast<int>(value & 0xFFFF)) + le16(static_cast<int>((value >> 16) & 0xFFFF));
}
