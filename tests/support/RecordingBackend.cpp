#include "support/RecordingBackend.h"

#include <algorithm>

int RecordingBackend::count(Kind kind) const
{
    return static_cast<int>(std::count_if(events.begin(), events.end(), [kind](const Event& e) { return e.kind == kind; }));
}
