// Chooses the window system before Qt starts, so a missing display is a message, not a crash.
#pragma once

#include <QString>

// Runs a Wayland session through XWayland (unless QT_QPA_PLATFORM is set): a Wayland client
// without focus may not read the clipboard. Returns an explanation when no display can be
// opened, empty when the program can start.
QString prepareDisplay();
