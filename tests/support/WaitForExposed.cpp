#include "WaitForExposed.h"

#include <QTest>
#include <QWidget>

bool waitForExposed(QWidget& window) { return QTest::qWaitForWindowExposed(&window); }
