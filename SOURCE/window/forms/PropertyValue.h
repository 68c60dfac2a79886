#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <variant>

// A one-dimensional array of bytes with its lower bound.
struct ByteArray {
    std::int32_t lowerBound = 0;
    QByteArray bytes;

    bool operator==(const ByteArray&) const = default;
};

// A value a property bag holds: the toolkit's 16-bit Integer, 32-bit Long,
// text, or byte array. Values of different kinds are never equal.
using PropertyValue = std::variant<std::int16_t, std::int32_t, QString, ByteArray>;

// The toolkit's Booleans travel as Integers: True is -1, False 0.
PropertyValue booleanValue(bool value);
// Non-zero numbers are True; text and byte arrays are a type mismatch.
bool toBoolean(const PropertyValue& value);
// Numbers become their decimal text; byte arrays are a type mismatch.
QString toText(const PropertyValue& value);
