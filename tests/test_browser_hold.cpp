// In a browser a sound's hold sleeps on the page's timer, and the page goes
// on taking input meanwhile: the window's input that arrives during a hold
// reaches the window when the hold ends, as on the desktop, whose thread
// sleeps through the hold. Runs in Chromium (tests/web/test_suites.py).
#include "sound/SoundService.h"
#include "support/TestWav.h"

#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <emscripten.h>

namespace {

constexpr int kHoldMs = 300;
constexpr int kPressAfterMs = 50;

// Notes, for each press, whether the hold had ended when it arrived.
class PressedWindow : public QWidget {
public:
    bool holdOver = false;
    QList<bool> presses;

protected:
    void mousePressEvent(QMouseEvent*) override { presses.append(holdOver); }
};

// Qt Test's waits sleep the thread, which a page cannot: this one handles
// the events and sleeps on the page's timer until done() or the time is up.
template <typename Done>
bool waitInPage(Done done, int milliseconds = 5000)
{
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        QCoreApplication::processEvents();
        if (done()) return true;
        if (waited.elapsed() > milliseconds) return false;
        emscripten_sleep(10);
    }
}

} // namespace

// A press and release of the mouse at (x, y) of the page, dispatched after
// delay on the element there, as the browser dispatches a player's.
EM_JS(void, pressMouseLater, (int x, int y, int delay), {
    setTimeout(() => {
        let target = document.elementFromPoint(x, y);
        while (target && target.shadowRoot) target = target.shadowRoot.elementFromPoint(x, y) || target;
        for (const type of ['pointerdown', 'pointerup']) {
            target.dispatchEvent(new PointerEvent(type, {
                bubbles: true, cancelable: true, composed: true, pointerId: 1, pointerType: 'mouse',
                isPrimary: true, clientX: x, clientY: y, button: 0, buttons: type === 'pointerdown' ? 1 : 0}));
        }
    }, delay);
});

class TestBrowserHold : public QObject {
    Q_OBJECT

private slots:
    void inputDuringAHoldReachesTheWindowWhenTheHoldEnds()
    {
        PressedWindow window;
        window.resize(200, 200);
        window.show();
        QVERIFY(waitInPage([&window] { return window.windowHandle() && window.windowHandle()->isExposed(); }));
        // On a page Qt's global coordinates are the page's.
        const QPoint inPage = window.mapToGlobal(QPoint(100, 100));

        pressMouseLater(inPage.x(), inPage.y(), kPressAfterMs);
        QElapsedTimer held;
        held.start();
        SoundService::shared()->play(bytesOf(testWav(kHoldMs)), Snd::kNoDefault | Snd::kMemory);
        QVERIFY2(held.elapsed() >= kHoldMs, qPrintable(QString::number(held.elapsed())));
        // Queued for the event loop, as the desktop's window system queues it.
        QVERIFY(window.presses.isEmpty());
        window.holdOver = true;
        QVERIFY(waitInPage([&window] { return !window.presses.isEmpty(); }));
        QCOMPARE(window.presses, QList<bool>{true});
    }
};

QTEST_MAIN(TestBrowserHold)
#include "test_browser_hold.moc"
