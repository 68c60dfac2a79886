#include "window/NoDisplay.h"

// A page always has its canvas to open the window on.
QString noDisplayMessage(int, const char* const*, const QProcessEnvironment&) { return {}; }
