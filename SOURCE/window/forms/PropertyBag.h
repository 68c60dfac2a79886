#pragma once

#include "window/forms/PropertyValue.h"

#include <QString>

#include <vector>

// The toolkit's property bag: the named values a control saves with its
// window and restores from it. Keys match without regard to case and are
// stored in lower case, in the order first written. A value equal to the
// default it is written with is not stored, and a key that is not stored
// reads back as the default the reader passes.
class PropertyBag {
public:
    struct Entry {
        QString key;
        PropertyValue value;

        bool operator==(const Entry&) const = default;
    };

    PropertyValue ReadProperty(const QString& name, const PropertyValue& defaultValue) const;
    void WriteProperty(const QString& name, const PropertyValue& value, const PropertyValue& defaultValue);
    // For values without a default, such as the toolkit's own extent: always stored.
    void WriteProperty(const QString& name, const PropertyValue& value);

    bool contains(const QString& name) const;
    const std::vector<Entry>& entries() const { return stored; }

    bool operator==(const PropertyBag&) const = default;

private:
    std::vector<Entry>::iterator find(const QString& key);
    std::vector<Entry>::const_iterator find(const QString& key) const;

    std::vector<Entry> stored;
};
