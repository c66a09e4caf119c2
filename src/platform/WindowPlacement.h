#pragma once

class QWidget;

// Places a window after it is created and before it is shown.
// Mode 1: edit dialogs and detail query windows, centred on the main window.
// Mode 2: large list windows, most of the available screen.
void DispFormPos(QWidget* window, int mode);
