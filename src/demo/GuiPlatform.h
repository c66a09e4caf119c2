#pragma once

#include <QtGlobal>

// The demo makes pictures and PDF files, which need a QGuiApplication, which
// needs a platform: without a display, the offscreen one. Call before the
// application object is made.
inline void chooseOffscreenWithoutDisplay()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}
