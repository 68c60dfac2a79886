#include "scores/NameValidator.h"

#include "scores/Windows1250.h"

#include <algorithm>

NameValidator::NameValidator(QObject* parent) : QValidator(parent) {}

QValidator::State NameValidator::validate(QString& input, int& /*position*/) const
{
    const bool hasControl = std::any_of(input.cbegin(), input.cend(), [](QChar c) {
        return c.category() == QChar::Other_Control;
    });
    return !hasControl && fitsWindows1250(input) ? Acceptable : Invalid;
}
