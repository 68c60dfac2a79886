// The code page of the top-players file, and the name validator that keeps to it.
#include "scores/NameValidator.h"
#include "scores/Windows1250.h"

#include <QSet>
#include <QTest>

namespace {

constexpr int kByteValues = 256;

QByteArray bytes(std::initializer_list<unsigned char> values)
{
    QByteArray result;
    for (unsigned char value : values) result.append(char(value));
    return result;
}

}  // namespace

class TestWindows1250 : public QObject {
    Q_OBJECT

private slots:
    void encodesCentralEuropeanLettersAsSingleBytes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("Czech") << QString::fromUtf8("Čeněk") << bytes({0xC8, 'e', 'n', 0xEC, 'k'});
        QTest::newRow("Polish") << QString::fromUtf8("Łódź") << bytes({0xA3, 0xF3, 'd', 0x9F});
        QTest::newRow("Slovak") << QString::fromUtf8("Ťažký") << bytes({0x8D, 'a', 0x9E, 'k', 0xFD});
        QTest::newRow("Hungarian") << QString::fromUtf8("Ődön Ű") << bytes({0xD5, 'd', 0xF6, 'n', ' ', 0xDB});
        QTest::newRow("Croatian") << QString::fromUtf8("Đurđa") << bytes({0xD0, 'u', 'r', 0xF0, 'a'});
        QTest::newRow("Romanian cedilla") << QString::fromUtf8("Ştefan") << bytes({0xAA, 't', 'e', 'f', 'a', 'n'});
        QTest::newRow("German") << QString::fromUtf8("Müßig") << bytes({'M', 0xFC, 0xDF, 'i', 'g'});
        QTest::newRow("euro and quotes") << QString::fromUtf8("€„“") << bytes({0x80, 0x84, 0x93});
        QTest::newRow("cash text") << QStringLiteral("120$") << QByteArray("120$");
    }

    void encodesCentralEuropeanLettersAsSingleBytes()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, expected);
        QCOMPARE(encodeWindows1250(text), expected);
        QCOMPARE(decodeWindows1250(expected), text);
        QVERIFY(fitsWindows1250(text));
    }

    void writesWhatDoesNotFitAsQuestionMarks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("Romanian comma below") << QString::fromUtf8("Ștefan") << QByteArray("?tefan");
        QTest::newRow("Spanish") << QString::fromUtf8("Niño") << QByteArray("Ni?o");
        QTest::newRow("grave accent") << QString::fromUtf8("à") << QByteArray("?");
        QTest::newRow("Cyrillic") << QString::fromUtf8("Жa") << QByteArray("?a");
        QTest::newRow("outside the basic plane is one character")
            << QString::fromUtf8("a\U0001F600b") << QByteArray("a?b");
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + u'x' << QByteArray("?x");
        QTest::newRow("replacement character") << QString(QChar(0xFFFD)) << QByteArray("?");
    }

    void writesWhatDoesNotFitAsQuestionMarks()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, expected);
        QCOMPARE(encodeWindows1250(text), expected);
        QVERIFY(!fitsWindows1250(text));
    }

    void everyByteDecodesToItsOwnCharacterAndBack()
    {
        QByteArray all;
        for (int value = 0; value < kByteValues; ++value) all.append(char(value));
        const QString decoded = decodeWindows1250(all);
        QCOMPARE(decoded.size(), kByteValues);
        QCOMPARE(QSet<QChar>(decoded.cbegin(), decoded.cend()).size(), kByteValues);
        QVERIFY(!decoded.contains(QChar(QChar::ReplacementCharacter)));
        QCOMPARE(encodeWindows1250(decoded), all);
    }

    void undefinedBytesBecomeControlCharacters_data()
    {
        QTest::addColumn<int>("byte");
        for (int byte : {0x81, 0x83, 0x88, 0x90, 0x98}) {
            QTest::addRow("0x%X", byte) << byte;
        }
    }

    void undefinedBytesBecomeControlCharacters()
    {
        QFETCH(int, byte);
        QCOMPARE(decodeWindows1250(QByteArray(1, char(byte))), QString(QChar(byte)));
    }

    void nameValidatorAcceptsOnlyWhatTheFileStores_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("acceptable");
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("default name") << QStringLiteral("Mirako") << true;
        QTest::newRow("Czech") << QString::fromUtf8("Čeněk") << true;
        QTest::newRow("Polish") << QString::fromUtf8("Łódź") << true;
        QTest::newRow("punctuation and blanks") << QStringLiteral(" a-b.c $") << true;
        QTest::newRow("Romanian comma below") << QString::fromUtf8("Ștefan") << false;
        QTest::newRow("Cyrillic") << QString::fromUtf8("Иван") << false;
        QTest::newRow("emoji") << QString::fromUtf8("\U0001F600") << false;
        QTest::newRow("line feed") << QStringLiteral("a\nb") << false;
        QTest::newRow("carriage return") << QStringLiteral("a\rb") << false;
        QTest::newRow("tab") << QStringLiteral("a\tb") << false;
        QTest::newRow("NUL") << QString(QChar(0)) << false;
        QTest::newRow("C1 control from an undefined byte") << QString(QChar(0x81)) << false;
    }

    void nameValidatorAcceptsOnlyWhatTheFileStores()
    {
        QFETCH(QString, text);
        QFETCH(bool, acceptable);
        NameValidator validator(nullptr);
        int position = int(text.size());
        QCOMPARE(validator.validate(text, position),
                 acceptable ? QValidator::Acceptable : QValidator::Invalid);
    }
};

QTEST_GUILESS_MAIN(TestWindows1250)
#include "test_windows_1250.moc"
