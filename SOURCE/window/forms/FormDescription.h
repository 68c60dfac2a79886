#pragma once

#include "window/forms/PropertyBag.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

// A window's saved description: the property set of each of its controls that
// keeps one, under the control's name and index.
//
// Stored form, version 1. Integers are little-endian; a text is a u16 byte
// count followed by that many bytes of UTF-8.
//
//   signature       8 bytes "VORNFORM"
//   version         u16 = 1
//   control count   u16
//   each control:
//     name          text, not empty
//     index         i16, the control's index in its control array
//     entry count   u16
//     each entry:
//       key         text, not empty, lower case
//       kind        u8: 1 Integer, 2 Long, 3 text, 4 byte array
//       value       Integer: i16 | Long: i32 | text: u32 byte count, UTF-8 bytes
//                   | byte array: u32 element count, i32 lower bound, the bytes
//
// Nothing follows the last control. Every count is checked against the bytes
// that remain before anything is read; a stored form that breaks any of these
// rules (also a repeated control or key, or text that is not UTF-8) is refused
// whole with the toolkit's error 321.
class FormDescription {
public:
    struct Control {
        QString name;
        std::int16_t index = 0;
        PropertyBag properties;

        bool operator==(const Control&) const = default;
    };

    // Throws FormsError 321 when stored is not a valid description.
    static FormDescription fromBytes(const QByteArray& stored);
    // Throws FormsError 6 when a name, a count or a value is too long for its field.
    QByteArray toBytes() const;

    // The property set saved for the control; an empty bag when it has none.
    PropertyBag properties(const QString& control, std::int16_t index) const;
    // Replaces the control's property set, or adds it after the others.
    void setProperties(const QString& control, std::int16_t index, PropertyBag bag);

    const std::vector<Control>& controls() const { return saved; }

    bool operator==(const FormDescription&) const = default;

private:
    std::vector<Control> saved;
};
