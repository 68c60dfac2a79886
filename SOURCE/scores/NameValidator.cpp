#include "scores/NameValidator.h"

#include <QStringEncoder>

QValidator::State NameValidator::validate(QString& input, int& position) const
{
    Q_UNUSED(position);
    for (const QChar c : input)
        if (!c.isPrint()) return Invalid;
    QStringEncoder encode("windows-1250");
    const QByteArray encoded = encode(input);
    Q_UNUSED(encoded);
    return encode.hasError() ? Invalid : Acceptable;
}
