#include "sound/BrowserPlaybackTimer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QWindow>

#include <memory>
#include <utility>
#include <vector>

#include <emscripten.h>

namespace {

bool isInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::ContextMenu:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

// Keeps the input the browser hands the windows while it lives; when it
// goes, the input is queued for them in the order it came, to be handled at
// the event loop's next turn, as a desktop's window system queues it for a
// thread that sleeps.
class HeldInput : public QObject {
public:
    // Without an application there are no windows to hold input for.
    HeldInput()
    {
        if (QCoreApplication* application = QCoreApplication::instance()) application->installEventFilter(this);
    }
    ~HeldInput() override
    {
        if (QCoreApplication* application = QCoreApplication::instance()) application->removeEventFilter(this);
        for (auto& [window, event] : held) {
            if (window) QCoreApplication::postEvent(window, event.release());
        }
    }

    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        if (!receiver->isWindowType() || !isInput(event->type())) return false;
        held.emplace_back(static_cast<QWindow*>(receiver), std::unique_ptr<QEvent>(event->clone()));
        return true;
    }

private:
    std::vector<std::pair<QPointer<QWindow>, std::unique_ptr<QEvent>>> held;
};

} // namespace

void BrowserPlaybackTimer::sleepUntil(std::chrono::microseconds time)
{
    const HeldInput input;
    for (auto now = this->now(); now < time; now = this->now())
        emscripten_sleep(static_cast<unsigned>(std::chrono::ceil<std::chrono::milliseconds>(time - now).count()));
}
