#include "window/forms/PropertyValue.h"

#include "window/forms/FormsError.h"

namespace {

constexpr std::int16_t kTrue = -1;
constexpr std::int16_t kFalse = 0;

} // namespace

PropertyValue booleanValue(bool value) { return value ? kTrue : kFalse; }

bool toBoolean(const PropertyValue& value)
{
    if (const auto* integer = std::get_if<std::int16_t>(&value)) return *integer != 0;
    if (const auto* longValue = std::get_if<std::int32_t>(&value)) return *longValue != 0;
    throw FormsError(StandardErrors::kTypeMismatch);
}

QString toText(const PropertyValue& value)
{
    if (const auto* text = std::get_if<QString>(&value)) return *text;
    if (const auto* integer = std::get_if<std::int16_t>(&value)) return QString::number(*integer);
    if (const auto* longValue = std::get_if<std::int32_t>(&value)) return QString::number(*longValue);
    throw FormsError(StandardErrors::kTypeMismatch);
}
