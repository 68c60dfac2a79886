#include "window/MainWindow.h"

#include "window/Form1.h"

void showMainWindow(Form1& form) { form.show(); }
