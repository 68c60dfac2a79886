// The production clock: a pause sleeps in the event loop instead of
// spinning, wakes for window events, and the tick compares across a wrap.
#include "window/QtClock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <time.h>

namespace {

// This process's CPU time: std::clock() counts wall time on Windows.
double processCpuMs()
{
    timespec cpu{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    return 1000.0 * double(cpu.tv_sec) + double(cpu.tv_nsec) / 1e6;
}

} // namespace

class TestClock : public QObject {
    Q_OBJECT

private slots:
    void tickReachedAcrossTheWrap_data()
    {
        QTest::addColumn<qint64>("tick");
        QTest::addColumn<qint64>("deadline");
        QTest::addColumn<bool>("reached");
        QTest::newRow("before") << qint64(100) << qint64(123) << false;
        QTest::newRow("at") << qint64(123) << qint64(123) << true;
        QTest::newRow("after") << qint64(124) << qint64(123) << true;
        QTest::newRow("deadline past the largest tick, tick before it")
            << qint64(2147483640) << qint64(-2147483640) << false;
        QTest::newRow("deadline past the largest tick, tick wrapped beyond it")
            << qint64(-2147483630) << qint64(-2147483640) << true;
        QTest::newRow("negative ticks") << qint64(-50) << qint64(-40) << false;
    }

    void tickReachedAcrossTheWrap()
    {
        QFETCH(qint64, tick);
        QFETCH(qint64, deadline);
        QFETCH(bool, reached);
        QCOMPARE(tickReached(static_cast<std::int32_t>(tick), static_cast<std::int32_t>(deadline)), reached);
    }

    void tickAfterWraps()
    {
        QCOMPARE(tickAfter(2147483640, 23), -2147483633);
        QCOMPARE(tickAfter(-5, 250), 245);
    }

    void aPauseSleepsRatherThanSpins()
    {
        QtClock clock;
        const std::int32_t deadline = tickAfter(clock.tickCount(), 300);
        const double cpuBefore = processCpuMs();
        QElapsedTimer wall;
        wall.start();
        while (!tickReached(clock.tickCount(), deadline)) clock.waitForEvents(deadline);
        const double cpuMs = processCpuMs() - cpuBefore;
        QVERIFY2(wall.elapsed() >= 300, qPrintable(QString::number(wall.elapsed())));
        QVERIFY2(wall.elapsed() < 1000, qPrintable(QString::number(wall.elapsed())));
        QVERIFY2(cpuMs < 30, qPrintable(QStringLiteral("%1 ms of CPU in a 300 ms pause").arg(cpuMs)));
    }

    void aWindowEventEndsTheSleepEarly()
    {
        // Wine (10.0) ends Qt's wait for window messages on real input and at
        // the wait's own deadline, as the game needs (the end-to-end tests
        // play there), but not on another timer's event, which stands in for
        // a window event here.
        if (qEnvironmentVariableIsSet("VORN_UNDER_WINE")) QSKIP("under Wine a timer's event does not end the wait");
        QtClock clock;
        bool handled = false;
        QTimer::singleShot(20, [&handled] { handled = true; });
        const std::int32_t start = clock.tickCount();
        clock.waitForEvents(tickAfter(start, 1000));
        while (!handled) clock.waitForEvents(tickAfter(start, 1000));
        QVERIFY2(clock.tickCount() - start < 500, qPrintable(QString::number(clock.tickCount() - start)));
    }

    void doEventsReturnsAtOnce()
    {
        QtClock clock;
        QElapsedTimer wall;
        wall.start();
        for (int i = 0; i < 100; ++i) clock.doEvents();
        QVERIFY(wall.elapsed() < 100);
    }
};

QTEST_MAIN(TestClock)
#include "test_clock.moc"
