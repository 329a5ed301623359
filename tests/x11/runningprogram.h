// The real program in a process of its own on the test's display, driven as a user would.
#pragma once

#include <QProcess>
#include <QString>

class RunningProgram {
public:
    // `configFolder` becomes the program's XDG_CONFIG_HOME; `extraEnvironment` adds or replaces
    // further variables.
    RunningProgram(const QString& program, const QString& configFolder,
                   const QProcessEnvironment& extraEnvironment = {});
    // Kills the program if it still runs.
    ~RunningProgram();

    // Starts monitoring without knowing where the buttons are: a right-click on the page and
    // the context menu's first item.
    bool startMonitoringFromMenu();
    // Clicks the left button at a point of the main window (window coordinates).
    bool clickInWindow(int x, int y);
    // Asks the window to close the way a window manager does (WM_DELETE_WINDOW).
    bool askToClose();
    // True once the program has ended by itself with exit status 0.
    bool waitForCleanExit(int timeoutMs);
    void kill();

private:
    // The main window's X id, once it is shown; empty if it never shows.
    QString mainWindow();

    QProcess m_process;
    QString m_window;
};
