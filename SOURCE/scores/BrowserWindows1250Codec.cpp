#include "scores/Windows1250.h"
#include "scores/Windows1250Codec.h"

#include <array>

#include <emscripten.h>

namespace {

using CodePage = std::array<char16_t, 256>;

// The browser's own decoder reads every byte once, the five the code page
// leaves undefined included, which it maps to the control characters of the
// same number. A runtime without the code page's decoder reads each byte as
// the character of its own number, which at least writes it back unchanged.
EM_JS(void, decodeEveryWindows1250Byte, (char16_t* into), {
    const bytes = new Uint8Array(256);
    for (let i = 0; i < 256; ++i) bytes[i] = i;
    let text;
    try {
        text = new TextDecoder('windows-1250').decode(bytes);
    } catch (error) {
        text = String.fromCharCode(...bytes);
    }
    for (let i = 0; i < 256; ++i) HEAPU16[(into >> 1) + i] = text.charCodeAt(i);
});

const CodePage& codePage()
{
    static const CodePage characters = [] {
        CodePage made{};
        decodeEveryWindows1250Byte(made.data());
        return made;
    }();
    return characters;
}

} // namespace

QString decodeWindows1250(QByteArrayView bytes)
{
    const CodePage& characters = codePage();
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) text[i] = QChar(characters[static_cast<unsigned char>(bytes[i])]);
    return text;
}

// A character the code page lacks becomes the unfit mark, which decodes to
// something else, so the caller sees that it did not fit.
QByteArray encodeWindows1250AsIs(QStringView text)
{
    const CodePage& characters = codePage();
    QByteArray bytes(text.size(), kUnfitWindows1250Character);
    for (qsizetype i = 0; i < text.size(); ++i) {
        for (int byte = 0; byte < 256; ++byte) {
            if (characters[byte] == text[i].unicode()) {
                bytes[i] = static_cast<char>(byte);
                break;
            }
        }
    }
    return bytes;
}
