// Process entry: the main window and the About window, then the event loop.
#include "Unit1.h"
#include "aboutbox.h"
#include "displaycheck.h"
#include "tapplication.h"
#include "terminationsignals.h"

#include <QIcon>
#include <cstdio>

int main(int argc, char** argv) {
    const QString noDisplay = prepareDisplay();
    if (!noDisplay.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(noDisplay));
        return 1;
    }
    TApplication application(argc, argv);
    // The icon is in the window library's resources, which a static link drops unless named.
    Q_INIT_RESOURCE(resources);
    // The installed launcher's name lets desktops match the window to it; the theme's icon has
    // every size where the program is installed.
    application.setDesktopFileName(QStringLiteral("com.example.velmor_graphics.Clipstash"));
    application.setWindowIcon(
        QIcon::fromTheme(QStringLiteral("com.example.velmor_graphics.Clipstash"),
                         QIcon(QStringLiteral(":/clipstash.png"))));
    // Installed first, so a signal during start-up waits for the window instead of killing it.
    TerminationSignals termination;
    try {
        TForm1 mainWindow;
        Form1 = &mainWindow;
        TAboutForm aboutWindow(&mainWindow);
        AboutForm = &aboutWindow;
        // A signal or the session ending closes the window as its close box does, so the
        // settings are saved; nobody is there to answer the clearing question then.
        QObject::connect(&termination, &TerminationSignals::requested, &mainWindow,
                         &TForm1::closeUnattended);
        QObject::connect(&application, &QGuiApplication::commitDataRequest, &mainWindow,
                         &TForm1::closeUnattended);
        mainWindow.show();
        application.exec();
    } catch (const std::exception& error) {
        TApplication::ShowException(error);
    }
    return 0;
}
