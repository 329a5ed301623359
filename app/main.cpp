// Process entry: the main window and the About window, then the event loop.
#include "Unit1.h"
#include "aboutbox.h"
#include "displaycheck.h"
#include "tapplication.h"

#include <cstdio>

int main(int argc, char** argv) {
    const QString noDisplay = prepareDisplay();
    if (!noDisplay.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(noDisplay));
        return 1;
    }
    TApplication application(argc, argv);
    try {
        TForm1 mainWindow;
        Form1 = &mainWindow;
        TAboutForm aboutWindow(&mainWindow);
        AboutForm = &aboutWindow;
        mainWindow.show();
        application.exec();
    } catch (const std::exception& error) {
        TApplication::ShowException(error);
    }
    return 0;
}
