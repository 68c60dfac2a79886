// The property bag's rules and the stored form of a window's description.
#include "support/LittleEndian.h"
#include "window/forms/FormDescription.h"
#include "window/forms/FormsError.h"
#include "window/forms/PropertyBag.h"

#include <QTest>

Q_DECLARE_METATYPE(PropertyValue)

namespace {

const QString kName = QStringLiteral("EmbedSound1");

ByteArray bytes(const char* text, std::int32_t lowerBound = 0) { return {lowerBound, QByteArray(text)}; }

FormDescription sample()
{
    PropertyBag first;
    first.WriteProperty(QStringLiteral("_ExtentX"), std::int32_t{847});
    first.WriteProperty(QStringLiteral("SndFile"), QStringLiteral("..\\zvuk\\Vorn1.wav"), QString());
    first.WriteProperty(QStringLiteral("SyncSnd"), booleanValue(true), booleanValue(false));
    first.WriteProperty(QStringLiteral("MemWav"), bytes("RIFF\x01"), std::int16_t{0});
    PropertyBag second;
    second.WriteProperty(QStringLiteral("Name"), QStringLiteral("č ünïcode"));
    second.WriteProperty(QStringLiteral("Empty"), ByteArray{});
    second.WriteProperty(QStringLiteral("Shifted"), bytes("ab", -3));
    second.WriteProperty(QStringLiteral("Negative"), std::int16_t{-32768});
    FormDescription description;
    description.setProperties(kName, 1, first);
    description.setProperties(kName, 2, second);
    return description;
}

int refusal(const QByteArray& stored)
{
    try {
        FormDescription::fromBytes(stored);
    } catch (const FormsError& error) {
        return error.Number();
    }
    return 0;
}

QByteArray text16(const QByteArray& text) { return le16(static_cast<int>(text.size())) + text; }

// A description of one control holding one entry, built by hand.
QByteArray handMade(const QByteArray& key, const QByteArray& kindAndValue)
{
    return QByteArrayLiteral("VORNFORM") + le16(1) + le16(1) + text16("Ctl") + le16(1) + le16(1) + text16(key) + kindAndValue;
}

} // namespace

class TestPropertyBag : public QObject {
    Q_OBJECT

private slots:
    void keysMatchWithoutRegardToCaseAndAreStoredInLowerCase()
    {
        PropertyBag bag;
        bag.WriteProperty(QStringLiteral("SndFile"), QStringLiteral("a.wav"), QString());
        QCOMPARE(bag.entries().size(), std::size_t{1});
        QCOMPARE(bag.entries()[0].key, QStringLiteral("sndfile"));
        QCOMPARE(toText(bag.ReadProperty(QStringLiteral("SNDFILE"), QString())), QStringLiteral("a.wav"));
        bag.WriteProperty(QStringLiteral("sndFILE"), QStringLiteral("b.wav"), QString());
        QCOMPARE(bag.entries().size(), std::size_t{1});
        QCOMPARE(toText(bag.ReadProperty(QStringLiteral("SndFile"), QString())), QStringLiteral("b.wav"));
    }

    void aValueEqualToItsDefaultIsNotStored_data()
    {
        QTest::addColumn<PropertyValue>("value");
        QTest::addColumn<PropertyValue>("defaultValue");
        QTest::addColumn<bool>("stored");
        QTest::newRow("False with default False") << booleanValue(false) << booleanValue(false) << false;
        QTest::newRow("True with default False") << booleanValue(true) << booleanValue(false) << true;
        QTest::newRow("empty text") << PropertyValue(QString()) << PropertyValue(QString()) << false;
        QTest::newRow("text") << PropertyValue(QStringLiteral("x")) << PropertyValue(QString()) << true;
        QTest::newRow("empty array with Integer 0") << PropertyValue(ByteArray{}) << PropertyValue(std::int16_t{0}) << true;
        QTest::newRow("Long 0 with Integer 0") << PropertyValue(std::int32_t{0}) << PropertyValue(std::int16_t{0}) << true;
    }

    void aValueEqualToItsDefaultIsNotStored()
    {
        QFETCH(PropertyValue, value);
        QFETCH(PropertyValue, defaultValue);
        QFETCH(bool, stored);
        PropertyBag bag;
        bag.WriteProperty(QStringLiteral("Key"), value, defaultValue);
        QCOMPARE(bag.contains(QStringLiteral("key")), stored);
        QVERIFY(bag.ReadProperty(QStringLiteral("Key"), defaultValue) == value);
    }

    void writingTheDefaultRemovesAnEarlierValue()
    {
        PropertyBag bag;
        bag.WriteProperty(QStringLiteral("LoopSnd"), booleanValue(true), booleanValue(false));
        bag.WriteProperty(QStringLiteral("LoopSnd"), booleanValue(false), booleanValue(false));
        QVERIFY(bag.entries().empty());
    }

    void aMissingKeyReadsBackAsTheDefault()
    {
        const PropertyBag bag;
        QVERIFY(bag.ReadProperty(QStringLiteral("MemWav"), std::int16_t{0}) == PropertyValue(std::int16_t{0}));
        QCOMPARE(toText(bag.ReadProperty(QStringLiteral("SndFile"), QStringLiteral("d"))), QStringLiteral("d"));
    }

    void booleansAreStoredAsIntegersMinusOneAndZero()
    {
        QVERIFY(booleanValue(true) == PropertyValue(std::int16_t{-1}));
        QVERIFY(booleanValue(false) == PropertyValue(std::int16_t{0}));
    }

    void booleansReadBackNonZeroAsTrue_data()
    {
        QTest::addColumn<PropertyValue>("stored");
        QTest::addColumn<bool>("expected");
        QTest::newRow("-1") << PropertyValue(std::int16_t{-1}) << true;
        QTest::newRow("1") << PropertyValue(std::int16_t{1}) << true;
        QTest::newRow("0") << PropertyValue(std::int16_t{0}) << false;
        QTest::newRow("Long 7") << PropertyValue(std::int32_t{7}) << true;
        QTest::newRow("Long 0") << PropertyValue(std::int32_t{0}) << false;
    }

    void booleansReadBackNonZeroAsTrue()
    {
        QFETCH(PropertyValue, stored);
        QFETCH(bool, expected);
        QCOMPARE(toBoolean(stored), expected);
    }

    void aByteArrayIsNoBoolean()
    {
        try {
            toBoolean(ByteArray{});
            QFAIL("no error");
        } catch (const FormsError& error) {
            QCOMPARE(error.Number(), 13);
        }
    }

    void aDescriptionRoundTripsThroughItsStoredForm()
    {
        const FormDescription description = sample();
        const FormDescription back = FormDescription::fromBytes(description.toBytes());
        QVERIFY(back == description);
        const PropertyBag second = back.properties(kName, 2);
        QCOMPARE(toText(second.ReadProperty(QStringLiteral("name"), QString())), QStringLiteral("č ünïcode"));
        QVERIFY(second.ReadProperty(QStringLiteral("shifted"), std::int16_t{0}) == PropertyValue(bytes("ab", -3)));
        QVERIFY(second.ReadProperty(QStringLiteral("empty"), std::int16_t{0}) == PropertyValue(ByteArray{}));
        QVERIFY(back.properties(kName, 3).entries().empty());
        QVERIFY(back.properties(QStringLiteral("Other"), 1).entries().empty());
    }

    void theStoredFormIsTheDocumentedOne()
    {
        FormDescription description;
        PropertyBag bag;
        bag.WriteProperty(QStringLiteral("_ExtentX"), std::int32_t{847});
        bag.WriteProperty(QStringLiteral("MemWav"), bytes("RI"), std::int16_t{0});
        description.setProperties(QStringLiteral("E"), 6, bag);
        const QByteArray expected = QByteArrayLiteral("VORNFORM") + le16(1) + le16(1) + text16("E") + le16(6) + le16(2) +
                                    text16("_extentx") + QByteArray(1, '\x02') + le32(847) + text16("memwav") +
                                    QByteArray(1, '\x04') + le32(2) + le32(0) + QByteArrayLiteral("RI");
        QCOMPARE(description.toBytes(), expected);
    }

    void aLeadingByteOrderMarkIsKept()
    {
        // Written as the bytes EF BB BF, which a decoder may take for a mark to drop.
        const QString marked = QStringLiteral("\uFEFFk");
        PropertyBag bag;
        bag.WriteProperty(marked, marked);
        FormDescription description;
        description.setProperties(marked, 0, bag);
        description.setProperties(QStringLiteral("k"), 0, bag);
        QCOMPARE(FormDescription::fromBytes(description.toBytes()), description);
    }

    void everyTruncationIsRefused()
    {
        const QByteArray stored = sample().toBytes();
        for (qsizetype length = 0; length < stored.size(); ++length)
            QCOMPARE(refusal(stored.left(length)), 321);
        QCOMPARE(refusal(stored), 0);
    }

    void brokenDescriptionsAreRefused_data()
    {
        QTest::addColumn<QByteArray>("stored");
        const QByteArray good = sample().toBytes();
        QTest::newRow("nothing") << QByteArray();
        QTest::newRow("wrong signature") << QByteArray("VORNFORX") + good.mid(8);
        QTest::newRow("version 2") << good.left(8) + le16(2) + good.mid(10);
        QTest::newRow("bytes after the last control") << good + QByteArray(1, '\0');
        QTest::newRow("more controls than stored") << good.left(10) + le16(3) + good.mid(12);
        QTest::newRow("unknown kind") << handMade("k", QByteArray(1, '\x05') + le16(0));
        QTest::newRow("text longer than the rest") << handMade("k", QByteArray(1, '\x03') + le32(10) + "abc");
        QTest::newRow("array longer than the rest") << handMade("k", QByteArray(1, '\x04') + le32(0xFFFFFFFF) + le32(0) + "abc");
        QTest::newRow("key not lower case") << handMade("Key", QByteArray(1, '\x01') + le16(1));
        QTest::newRow("empty key") << handMade("", QByteArray(1, '\x01') + le16(1));
        QTest::newRow("text not UTF-8") << handMade("k", QByteArray(1, '\x03') + le32(2) + "\xC3\x28");
        const QByteArray entry = text16("k") + QByteArray(1, '\x01') + le16(1);
        QTest::newRow("repeated key") << QByteArrayLiteral("VORNFORM") + le16(1) + le16(1) + text16("Ctl") + le16(1) +
                                             le16(2) + entry + entry;
        const QByteArray control = text16("Ctl") + le16(1) + le16(0);
        QTest::newRow("repeated control") << QByteArrayLiteral("VORNFORM") + le16(1) + le16(2) + control + control;
    }

    void brokenDescriptionsAreRefused()
    {
        QFETCH(QByteArray, stored);
        QCOMPARE(refusal(stored), 321);
    }
};

QTEST_GUILESS_MAIN(TestPropertyBag)
#include "test_property_bag.moc"
