#include "window/forms/PropertyBag.h"

#include <algorithm>

std::vector<PropertyBag::Entry>::iterator PropertyBag::find(const QString& key)
{
    return std::find_if(stored.begin(), stored.end(), [&key](const Entry& entry) { return entry.key == key; });
}

std::vector<PropertyBag::Entry>::const_iterator PropertyBag::find(const QString& key) const
{
    return std::find_if(stored.begin(), stored.end(), [&key](const Entry& entry) { return entry.key == key; });
}

PropertyValue PropertyBag::ReadProperty(const QString& name, const PropertyValue& defaultValue) const
{
    const auto entry = find(name.toLower());
    return entry == stored.end() ? defaultValue : entry->value;
}

void PropertyBag::WriteProperty(const QString& name, const PropertyValue& value, const PropertyValue& defaultValue)
{
    if (value == defaultValue) {
        // Reading it back must give the default, so an older value goes too.
        const auto entry = find(name.toLower());
        if (entry != stored.end()) stored.erase(entry);
        return;
    }
    WriteProperty(name, value);
}

void PropertyBag::WriteProperty(const QString& name, const PropertyValue& value)
{
    const QString key = name.toLower();
    const auto entry = find(key);
    if (entry != stored.end()) {
        entry->value = value;
    } else {
        stored.push_back({key, value});
    }
}

bool PropertyBag::contains(const QString& name) const { return find(name.toLower()) != stored.end(); }
