#include "window/forms/PendingPaints.h"

#include "window/forms/PictureBox.h"

#include <QAbstractEventDispatcher>
#include <QPointer>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

std::vector<PictureBox*>& pending()
{
    static std::vector<PictureBox*> boxes;
    return boxes;
}

void paintAll()
{
    // A paint may change another box; that one is painted on the next call.
    for (PictureBox* box : std::exchange(pending(), {})) box->showChanges();
}

// The dispatcher of the thread the window lives on; a new application brings a new one.
void listenToTheEventLoop()
{
    static QPointer<QAbstractEventDispatcher> listenedTo;
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    if (!dispatcher || dispatcher == listenedTo) return;
    listenedTo = dispatcher;
    QObject::connect(dispatcher, &QAbstractEventDispatcher::awake, dispatcher, paintAll);
    QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, dispatcher, paintAll);
}

} // namespace

namespace PendingPaints {

void add(PictureBox* box)
{
    listenToTheEventLoop();
    if (std::find(pending().begin(), pending().end(), box) == pending().end()) pending().push_back(box);
}

void remove(PictureBox* box)
{
    std::erase(pending(), box);
}

} // namespace PendingPaints
