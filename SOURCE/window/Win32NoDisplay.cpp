#include "window/NoDisplay.h"

// A Windows session always has a desktop to open the window on.
QString noDisplayMessage(int, const char* const*, const QProcessEnvironment&) { return {}; }
