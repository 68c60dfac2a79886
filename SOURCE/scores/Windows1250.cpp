#include "scores/Windows1250.h"

#include "scores/Windows1250Codec.h"

namespace {

// The code point starting at index: one UTF-16 unit, or two for a surrogate pair.
QStringView codePointAt(QStringView text, qsizetype index)
{
    const bool pair = index + 1 < text.size() && text[index].isHighSurrogate()
                      && text[index + 1].isLowSurrogate();
    return text.mid(index, pair ? 2 : 1);
}

}  // namespace

bool fitsWindows1250(QStringView text)
{
    return decodeWindows1250(encodeWindows1250AsIs(text)) == text;
}

QByteArray encodeWindows1250(QStringView text)
{
    const QByteArray whole = encodeWindows1250AsIs(text);
    if (decodeWindows1250(whole) == text) return whole;

    // Something does not fit: go character by character to mark just those.
    QByteArray bytes;
    for (qsizetype index = 0; index < text.size();) {
        const QStringView character = codePointAt(text, index);
        const QByteArray encoded = encodeWindows1250AsIs(character);
        if (decodeWindows1250(encoded) == character) {
            bytes += encoded;
        } else {
            bytes += kUnfitWindows1250Character;
        }
        index += character.size();
    }
    return bytes;
}
