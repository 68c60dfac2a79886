// The lenient reading of the number at the start of a cash text.
#include "scores/LenientNumber.h"

#include <QTest>

#include <cmath>
#include <limits>

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr qsizetype kHugeDigitCount = 1024;
constexpr qsizetype kHugeExponentDigitCount = 100'000;
constexpr qsizetype kFittingDigitCount = 300;

}  // namespace

class TestLenientNumber : public QObject {
    Q_OBJECT

private slots:
    void readsTheNumberAtTheStart_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");

        QTest::newRow("cash as written") << "120$" << 120.0;
        QTest::newRow("zero cash") << "0$" << 0.0;
        QTest::newRow("blanks between digits") << " 1 2 0$" << 120.0;
        QTest::newRow("tabs and line feeds anywhere") << "\t1\n2\t 0\n$" << 120.0;
        QTest::newRow("blank after the sign") << "- 5" << -5.0;
        QTest::newRow("blanks inside the exponent") << "1 e - 2" << 0.01;
        QTest::newRow("negative") << "-5$" << -5.0;
        QTest::newRow("plus sign") << "+7$" << 7.0;
        QTest::newRow("exponent") << "1e2$" << 100.0;
        QTest::newRow("capital exponent") << "1E2" << 100.0;
        QTest::newRow("exponent with plus") << "25e+1" << 250.0;
        QTest::newRow("negative exponent") << "25e-1" << 2.5;
        QTest::newRow("fraction then letter") << "12.5x" << 12.5;
        QTest::newRow("point first") << ".5" << 0.5;
        QTest::newRow("point last") << "5." << 5.0;
        QTest::newRow("negative fraction") << "-.25" << -0.25;
        QTest::newRow("leading zeros") << "007$" << 7.0;
        QTest::newRow("zeros after the point") << "0.0625" << 0.0625;
        QTest::newRow("fraction and exponent") << "1.5e3" << 1500.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("exponent without digits") << "1e" << 1.0;
        QTest::newRow("exponent with sign only") << "1e-$" << 1.0;
        QTest::newRow("second exponent stops") << "1e2e3" << 100.0;
        QTest::newRow("point in exponent stops") << "1e2.5" << 100.0;
        QTest::newRow("dollar first") << "$5" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("blanks only") << " \t\n" << 0.0;
        QTest::newRow("point only") << "." << 0.0;
        QTest::newRow("plus only") << "+" << 0.0;
        QTest::newRow("minus only") << "-" << 0.0;
        QTest::newRow("two signs") << "--5" << 0.0;
        QTest::newRow("exponent without mantissa") << "e5" << 0.0;
        QTest::newRow("point then exponent") << ".e5" << 0.0;
        QTest::newRow("carriage return stops") << "1\r2" << 1.0;
        QTest::newRow("no-break space stops") << QString::fromUtf8("1\u00A02") << 1.0;
        QTest::newRow("comma is no decimal point") << "1,5" << 1.0;
        QTest::newRow("hex prefix not read") << "&H10" << 0.0;
        QTest::newRow("fullwidth digit not read") << QString::fromUtf8("\uFF15") << 0.0;
        QTest::newRow("zero with exponent") << "0e99999" << 0.0;
        QTest::newRow("overflow") << "1e99999" << kInfinity;
        QTest::newRow("negative overflow") << "-1e99999" << -kInfinity;
        QTest::newRow("underflow") << "1e-99999" << 0.0;
        QTest::newRow("largest double") << "1.7976931348623157e308" << 1.7976931348623157e308;
        QTest::newRow("just past the largest double") << "1.8e308" << kInfinity;
        QTest::newRow("smallest subnormal") << "5e-324" << 5e-324;
        QTest::newRow("many digits, exponent brings them back")
            << QString(kHugeDigitCount, u'1') + "e-1023" << 1.1111111111111111;
        QTest::newRow("many fraction zeros")
            << "0." + QString(kHugeDigitCount, u'0') + "5e1025" << 5.0;
        QTest::newRow("exponent of many digits")
            << "1e" + QString(kHugeExponentDigitCount, u'9') << kInfinity;
        QTest::newRow("exponent of many leading zeros")
            << "3e" + QString(kHugeExponentDigitCount, u'0') + "2" << 300.0;
    }

    void readsTheNumberAtTheStart()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(readLenientNumber(text), expected);
    }

    void hugeDigitStrings()
    {
        // 1,024 nines are about 1e1024, beyond a double: infinity. 300 nines fit.
        QCOMPARE(readLenientNumber(QString(kHugeDigitCount, u'9')), kInfinity);
        const double fitting = readLenientNumber(QString(kFittingDigitCount, u'9'));
        QVERIFY2(std::isfinite(fitting), qPrintable(QString::number(fitting)));
        QCOMPARE(fitting, 1e300);
    }

    void resultIsNeverNotANumber()
    {
        for (const char* text : {"", "-", "1e99999", "-0", "0e-99999", "-1e-99999"}) {
            QVERIFY2(!std::isnan(readLenientNumber(QString::fromLatin1(text))), text);
        }
    }
};

QTEST_GUILESS_MAIN(TestLenientNumber)
#include "test_lenient_number.moc"
