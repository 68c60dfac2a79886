#pragma once

class QWidget;

// Waits until the shown window is on the screen, at most 5 s, as
// QTest::qWaitForWindowExposed does; false when it never came. In a page the
// window is exposed at the browser's next animation frame, which comes only
// while the page sleeps, never while Qt's own wait spins.
bool waitForExposed(QWidget& window);
