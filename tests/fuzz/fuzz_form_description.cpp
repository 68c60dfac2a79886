// Any bytes as a window's saved description: refused whole with error 321,
// or read into property bags that write back to the same bytes and whose
// values the controls' readers take or refuse with a type mismatch.
#include "window/forms/FormDescription.h"
#include "window/forms/FormsError.h"

#include <cstdint>
#include <cstdlib>

namespace {

constexpr int kInvalidFileFormat = StandardErrors::kInvalidFileFormat.number;
constexpr int kTypeMismatch = StandardErrors::kTypeMismatch.number;

// What a control's reader does with a value it did not expect.
void readAsTheControlsDo(const PropertyValue& value)
{
    try {
        toText(value);
    } catch (const FormsError& error) {
        if (error.Number() != kTypeMismatch) std::abort();
    }
    try {
        toBoolean(value);
    } catch (const FormsError& error) {
        if (error.Number() != kTypeMismatch) std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Not a copy: a read past the input's end is one past libFuzzer's buffer.
    const QByteArray stored = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    FormDescription description;
    try {
        description = FormDescription::fromBytes(stored);
    } catch (const FormsError& error) {
        if (error.Number() != kInvalidFileFormat) std::abort();
        return 0;
    }

    if (description.toBytes() != stored) std::abort();
    for (const FormDescription::Control& control : description.controls()) {
        const PropertyBag bag = description.properties(control.name, control.index);
        if (bag != control.properties) std::abort();
        for (const PropertyBag::Entry& entry : bag.entries()) {
            if (bag.ReadProperty(entry.key, PropertyValue()) != entry.value) std::abort();
            readAsTheControlsDo(entry.value);
        }
    }
    return 0;
}
