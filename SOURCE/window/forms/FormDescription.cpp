#include "window/forms/FormDescription.h"

#include "window/forms/FormsError.h"

#include <QStringDecoder>
#include <QtEndian>

#include <algorithm>
#include <limits>
#include <utility>

namespace {

const QByteArray kSignature = QByteArrayLiteral("VORNFORM");
constexpr std::uint16_t kVersion = 1;

enum Kind : std::uint8_t { kInteger = 1, kLong = 2, kText = 3, kByteArray = 4 };

[[noreturn]] void refuse() { throw FormsError(StandardErrors::kInvalidFileFormat); }

// Reads the stored form front to back; every read first checks that the
// bytes it needs are there.
class StoredReader {
public:
    explicit StoredReader(const QByteArray& stored) : bytes(stored) {}

    QByteArray take(qsizetype count)
    {
        if (count < 0 || count > bytes.size() - position) refuse();
        const QByteArray part = bytes.mid(position, count);
        position += count;
        return part;
    }

    template <typename Number>
    Number number()
    {
        const QByteArray part = take(sizeof(Number));
        return qFromLittleEndian<Number>(part.constData());
    }

    QString text(qsizetype count)
    {
        const QByteArray part = take(count);
        // A leading U+FEFF is part of the text as written, not a byte-order mark to drop.
        auto decode = QStringDecoder(QStringDecoder::Utf8,
                                     QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        QString decoded = decode(part);
        if (decode.hasError()) refuse();
        return decoded;
    }

    QString shortText() { return text(number<std::uint16_t>()); }

    bool atEnd() const { return position == bytes.size(); }

private:
    const QByteArray& bytes;
    qsizetype position = 0;
};

PropertyValue readValue(StoredReader& reader)
{
    switch (reader.number<std::uint8_t>()) {
    case kInteger:
        return reader.number<std::int16_t>();
    case kLong:
        return reader.number<std::int32_t>();
    case kText:
        return reader.text(reader.number<std::uint32_t>());
    case kByteArray: {
        const auto count = reader.number<std::uint32_t>();
        ByteArray array;
        array.lowerBound = reader.number<std::int32_t>();
        array.bytes = reader.take(count);
        return array;
    }
    default:
        refuse();
    }
}

PropertyBag readBag(StoredReader& reader)
{
    PropertyBag bag;
    const auto count = reader.number<std::uint16_t>();
    for (int i = 0; i < count; ++i) {
        const QString key = reader.shortText();
        if (key.isEmpty() || key != key.toLower() || bag.contains(key)) refuse();
        bag.WriteProperty(key, readValue(reader));
    }
    return bag;
}

// Appends to the stored form, refusing what its fields cannot hold.
class StoredWriter {
public:
    template <typename Number>
    void number(Number value)
    {
        char part[sizeof(Number)];
        qToLittleEndian<Number>(value, part);
        bytes.append(part, sizeof(Number));
    }

    template <typename Count>
    void count(qsizetype value)
    {
        if (std::cmp_greater(value, std::numeric_limits<Count>::max())) throw FormsError(StandardErrors::kOverflow);
        number<Count>(static_cast<Count>(value));
    }

    void shortText(const QString& text)
    {
        const QByteArray utf8 = text.toUtf8();
        count<std::uint16_t>(utf8.size());
        bytes.append(utf8);
    }

    void value(const PropertyValue& value)
    {
        if (const auto* integer = std::get_if<std::int16_t>(&value)) {
            number<std::uint8_t>(kInteger);
            number<std::int16_t>(*integer);
        } else if (const auto* longValue = std::get_if<std::int32_t>(&value)) {
            number<std::uint8_t>(kLong);
            number<std::int32_t>(*longValue);
        } else if (const auto* text = std::get_if<QString>(&value)) {
            const QByteArray utf8 = text->toUtf8();
            number<std::uint8_t>(kText);
            count<std::uint32_t>(utf8.size());
            bytes.append(utf8);
        } else {
            const auto& array = std::get<ByteArray>(value);
            number<std::uint8_t>(kByteArray);
            count<std::uint32_t>(array.bytes.size());
            number<std::int32_t>(array.lowerBound);
            bytes.append(array.bytes);
        }
    }

    QByteArray bytes;
};

} // namespace

FormDescription FormDescription::fromBytes(const QByteArray& stored)
{
    StoredReader reader(stored);
    if (reader.take(kSignature.size()) != kSignature) refuse();
    if (reader.number<std::uint16_t>() != kVersion) refuse();
    FormDescription description;
    const auto count = reader.number<std::uint16_t>();
    for (int i = 0; i < count; ++i) {
        Control control;
        control.name = reader.shortText();
        control.index = reader.number<std::int16_t>();
        if (control.name.isEmpty()) refuse();
        const bool repeated = std::any_of(description.saved.begin(), description.saved.end(), [&](const Control& c) {
            return c.name == control.name && c.index == control.index;
        });
        if (repeated) refuse();
        control.properties = readBag(reader);
        description.saved.push_back(std::move(control));
    }
    if (!reader.atEnd()) refuse();
    return description;
}

QByteArray FormDescription::toBytes() const
{
    StoredWriter writer;
    writer.bytes.append(kSignature);
    writer.number<std::uint16_t>(kVersion);
    writer.count<std::uint16_t>(static_cast<qsizetype>(saved.size()));
    for (const Control& control : saved) {
        writer.shortText(control.name);
        writer.number<std::int16_t>(control.index);
        writer.count<std::uint16_t>(static_cast<qsizetype>(control.properties.entries().size()));
        for (const PropertyBag::Entry& entry : control.properties.entries()) {
            writer.shortText(entry.key);
            writer.value(entry.value);
        }
    }
    return writer.bytes;
}

PropertyBag FormDescription::properties(const QString& control, std::int16_t index) const
{
    for (const Control& existing : saved)
        if (existing.name == control && existing.index == index) return existing.properties;
    return {};
}

void FormDescription::setProperties(const QString& control, std::int16_t index, PropertyBag bag)
{
    for (Control& existing : saved) {
        if (existing.name == control && existing.index == index) {
            existing.properties = std::move(bag);
            return;
        }
    }
    saved.push_back({control, index, std::move(bag)});
}
