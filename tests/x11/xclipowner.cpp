#include "xclipowner.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

unsigned clipboardOwnerWindow() {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    unsigned owner = 0;
    const char name[] = "CLIPBOARD";
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, strlen(name), name), nullptr);
    if (atom != nullptr) {
        xcb_get_selection_owner_reply_t* reply = xcb_get_selection_owner_reply(
            connection, xcb_get_selection_owner(connection, atom->atom), nullptr);
        owner = reply != nullptr ? reply->owner : 0;
        free(reply);
        free(atom);
    }
    xcb_disconnect(connection);
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
