// xclip as the other X client: it owns the clipboard until someone empties it, then exits.
#pragma once

#include <QProcess>
#include <QString>

class XclipOwner {
public:
    // Offers `file` as `type` on the CLIPBOARD selection.
    XclipOwner(const QString& file, const QString& type);
    ~XclipOwner();

    // Waits (without running the Qt event loop) until xclip owns the clipboard.
    bool waitUntilOwner(int timeoutMs = 5000);
    // Runs the event loop until xclip has exited (it exits when it loses the clipboard).
    bool waitUntilGone(int timeoutMs);
    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }
    void pause();
    void resume();

private:
    QProcess m_process;
};

// Offers a picture file as PNG and waits until another client has taken it off the clipboard.
bool grabViaClipboard(const QString& pictureFile);

// The window that owns the CLIPBOARD selection now (0 for none), asked of the server only.
unsigned clipboardOwnerWindow();
