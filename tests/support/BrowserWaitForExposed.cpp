#include "WaitForExposed.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <QWindow>

#include <emscripten.h>

namespace {

constexpr int kTimeoutMs = 5000;
constexpr int kSleepMs = 10;

} // namespace

bool waitForExposed(QWidget& window)
{
    QElapsedTimer waited;
    waited.start();
    while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) {
        if (waited.hasExpired(kTimeoutMs)) return false;
        QCoreApplication::processEvents();
        emscripten_sleep(kSleepMs);
    }
    return true;
}
