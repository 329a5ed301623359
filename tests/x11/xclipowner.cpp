#include "xclipowner.h"
#include "testdisplay.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

#include <csignal>
#include <cstdlib>

unsigned clipboardOwnerWindow() {
    const TestDisplay display;
    if (!display.isConnected())
        return 0;
    xcb_get_selection_owner_reply_t* reply = xcb_get_selection_owner_reply(
        display.connection(),
        xcb_get_selection_owner(display.connection(), display.atom("CLIPBOARD")), nullptr);
    const unsigned owner = reply != nullptr ? reply->owner : 0;
    std::free(reply);
    return owner;
}

XclipOwner::XclipOwner(const QString& file, const QString& type) {
    // Without -quiet xclip forks into the background and cannot be watched.
    m_process.start(QStringLiteral("xclip"),
                    {QStringLiteral("-quiet"), QStringLiteral("-selection"),
                     QStringLiteral("clipboard"), QStringLiteral("-t"), type, QStringLiteral("-i"),
                     file});
    m_process.waitForStarted();
}

XclipOwner::~XclipOwner() {
    if (isRunning()) {
        resume();
        m_process.kill();
        m_process.waitForFinished();
    }
}

bool XclipOwner::waitUntilOwner(int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (clipboardOwnerWindow() != 0)
            return true;
        QThread::msleep(10);
    }
    return false;
}

bool XclipOwner::waitUntilGone(int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (isRunning() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        m_process.waitForFinished(5);
    }
    return !isRunning();
}

void XclipOwner::pause() {
    ::kill(static_cast<pid_t>(m_process.processId()), SIGSTOP);
}

void XclipOwner::resume() {
    ::kill(static_cast<pid_t>(m_process.processId()), SIGCONT);
}

bool grabViaClipboard(const QString& pictureFile) {
    XclipOwner owner(pictureFile, QStringLiteral("image/png"));
    return owner.waitUntilOwner() && owner.waitUntilGone(10000);
}
