#pragma once

class Form1;

// Shows the game's window as the platform shows a program's main window: on
// the desktop as a window of its own (DesktopMainWindow.cpp); in a browser
// in the page's place for it, without a frame of its own, the page told its
// size and answering the page's questions about the game (BrowserMainWindow.cpp).
void showMainWindow(Form1& form);
