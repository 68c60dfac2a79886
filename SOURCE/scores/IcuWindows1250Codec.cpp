#include "scores/Windows1250.h"
#include "scores/Windows1250Codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

constexpr char kCodePageName[] = "windows-1250";
constexpr auto kConverterFlags = QStringConverter::Flag::Stateless;

} // namespace

QString decodeWindows1250(QByteArrayView bytes)
{
    QStringDecoder decoder(kCodePageName, kConverterFlags);
    return decoder.decode(bytes);
}

QByteArray encodeWindows1250AsIs(QStringView text)
{
    QStringEncoder encoder(kCodePageName, kConverterFlags);
    return encoder.encode(text);
}
