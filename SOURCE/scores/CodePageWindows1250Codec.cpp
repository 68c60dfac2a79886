#include "scores/Windows1250.h"
#include "scores/Windows1250Codec.h"

#include <windows.h>

namespace {

constexpr UINT kCodePage = 1250;
constexpr char kUnfit[] = {kUnfitWindows1250Character, '\0'};

int lengthOf(qsizetype size) { return static_cast<int>(size); }

} // namespace

// Every byte is one character, the five the code page leaves undefined
// included: the system maps them to the control characters of the same number.
QString decodeWindows1250(QByteArrayView bytes)
{
    if (bytes.isEmpty()) return {};
    QString text(bytes.size(), Qt::Uninitialized);
    const int made = MultiByteToWideChar(kCodePage, 0, bytes.data(), lengthOf(bytes.size()),
                                         reinterpret_cast<LPWSTR>(text.data()), lengthOf(text.size()));
    text.resize(made);
    return text;
}

// No best fit: a character the code page lacks is never written as a look-alike.
QByteArray encodeWindows1250AsIs(QStringView text)
{
    if (text.isEmpty()) return {};
    const auto wide = reinterpret_cast<LPCWCH>(text.utf16());
    const int size = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide, lengthOf(text.size()), nullptr, 0,
                                         kUnfit, nullptr);
    QByteArray bytes(size, Qt::Uninitialized);
    WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide, lengthOf(text.size()), bytes.data(), size, kUnfit,
                        nullptr);
    return bytes;
}
