#pragma once

#include <QByteArray>
#include <QStringView>

// The code page's conversions as the platform has them: Qt's ICU codec on
// Linux (IcuWindows1250Codec.cpp), the system's code-page conversion on
// Windows (CodePageWindows1250Codec.cpp), whose Qt is built without ICU. The
// platform's file defines these and decodeWindows1250 (Windows1250.h).

// Encodes without substituting: the caller checks the result by decoding it.
QByteArray encodeWindows1250AsIs(QStringView text);
