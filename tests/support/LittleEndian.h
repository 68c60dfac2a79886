#pragma once

#include <QByteArray>

// Little-endian integers, for tests that build binary images by hand.
inline QByteArray le(quint32 value, int bytes)
{
    QByteArray out(bytes, '\0');
    for (int i = 0; i < bytes; ++i) out[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

inline QByteArray le16(int value) { return le(static_cast<quint32>(value), 2); }
inline QByteArray le32(qint64 value) { return le(static_cast<quint32>(value), 4); }
