// Reading the number at the start of a cash text.
#include "scores/LenientNumber.h"

#include <QTest>

#include <cmath>

class TestLenientNumber : public QObject {
    Q_OBJECT

private slots:
    void reading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("what the game writes") << "120$" << 120.0;
        QTest::newRow("blanks between digits") << " 1 2 0$" << 120.0;
        QTest::newRow("tabs and line feeds") << "\t1\n5\t$" << 15.0;
        QTest::newRow("carriage return stops") << "1\r5" << 1.0;
        QTest::newRow("negative") << "-5$" << -5.0;
        QTest::newRow("plus sign") << "+7$" << 7.0;
        QTest::newRow("blank after the sign") << "- 8" << -8.0;
        QTest::newRow("exponent") << "1e2$" << 100.0;
        QTest::newRow("D exponent") << "3D2" << 300.0;
        QTest::newRow("negative exponent") << "25E-1" << 2.5;
        QTest::newRow("exponent without digits") << "1e$" << 1.0;
        QTest::newRow("decimal point") << "12.5x" << 12.5;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("point alone") << "." << 0.0;
        QTest::newRow("sign alone") << "+" << 0.0;
        QTest::newRow("dollar first") << "$5" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("only blanks") << "   " << 0.0;
        QTest::newRow("letters") << "Mirako" << 0.0;
        QTest::newRow("leading zeros") << "007$" << 7.0;
        QTest::newRow("big but fine") << "123456789012$" << 123456789012.0;
        QTest::newRow("comma stops") << "1,5" << 1.0;
        QTest::newRow("far too small") << "5e-99999" << 0.0;
    }

    void reading()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(readLenientNumber(text), value);
    }

    void tooLargeReadsAsInfinity()
    {
        QVERIFY(std::isinf(readLenientNumber(QStringLiteral("1e99999$"))));
        QVERIFY(readLenientNumber(QStringLiteral("1e99999$")) > 0);
        QVERIFY(readLenientNumber(QStringLiteral("-9e400")) < 0);
        QVERIFY(std::isinf(readLenientNumber(QString(1024, QLatin1Char('9')))));
        // A long run of zeros is still zero, not an overflow.
        QCOMPARE(readLenientNumber(QString(1024, QLatin1Char('0')) + QStringLiteral("e500")), 0.0);
    }

    void aLongTextIsReadQuickly()
    {
        const QString text = QStringLiteral("1") + QString(1 << 20, QLatin1Char(' ')) + QStringLiteral("2$");
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(readLenientNumber(text), 12.0);
        QVERIFY(timer.elapsed() < 1000);
    }
};

QTEST_MAIN(TestLenientNumber)
#include "test_lenient_number.moc"
