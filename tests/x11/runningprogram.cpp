#include "runningprogram.h"
#include "testdisplay.h"

#include <QTest>
#include <csignal>
#include <cstdlib>

namespace {

// Sends WM_PROTOCOLS/WM_DELETE_WINDOW to `window`, as a window manager does for its close box.
bool sendDeleteWindow(xcb_window_t window) {
    const TestDisplay display;
    if (!display.isConnected())
        return false;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = display.atom("WM_PROTOCOLS");
    message.data.data32[0] = display.atom("WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    const xcb_void_cookie_t sent =
        xcb_send_event_checked(display.connection(), 0, window, XCB_EVENT_MASK_NO_EVENT,
                               reinterpret_cast<const char*>(&message));
    xcb_generic_error_t* error = xcb_request_check(display.connection(), sent);
    std::free(error);
    return error == nullptr;
}

} // namespace

RunningProgram::RunningProgram(const QString& program, const QString& configFolder,
                               const QProcessEnvironment& extraEnvironment) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", configFolder);
    for (const QString& name : extraEnvironment.keys())
        environment.insert(name, extraEnvironment.value(name));
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::ForwardedChannels);
    m_process.start(program, {});
    m_process.waitForStarted();
}

RunningProgram::~RunningProgram() {
    kill();
    m_process.waitForFinished();
}

QString RunningProgram::mainWindow() {
    if (!m_window.isEmpty())
        return m_window;
    QProcess search;
    search.start("xdotool", {"search", "--sync", "--onlyvisible", "--pid",
                             QString::number(m_process.processId()), "--name", "^Clipstash$"});
    if (!search.waitForFinished(10000))
        return {};
    m_window = QString::fromLatin1(search.readAllStandardOutput()).section('\n', 0, 0).trimmed();
    // Mapped is not yet painted and ready for input.
    QTest::qWait(300);
    return m_window;
}

bool RunningProgram::startMonitoringFromMenu() {
    const QString window = mainWindow();
    return !window.isEmpty() &&
           QProcess::execute("xdotool", {"mousemove", "--window", window, "400", "120", "click",
                                         "3", "sleep", "0.3", "key", "Down", "Return"}) == 0;
}

bool RunningProgram::clickInWindow(int x, int y) {
    const QString window = mainWindow();
    return !window.isEmpty() &&
           QProcess::execute("xdotool", {"mousemove", "--window", window, QString::number(x),
                                         QString::number(y), "click", "1"}) == 0;
}

bool RunningProgram::askToClose() {
    const QString window = mainWindow();
    return !window.isEmpty() && sendDeleteWindow(window.toUInt());
}

bool RunningProgram::waitForCleanExit(int timeoutMs) {
    return m_process.waitForFinished(timeoutMs) && m_process.exitStatus() == QProcess::NormalExit &&
           m_process.exitCode() == 0;
}

void RunningProgram::kill() {
    if (m_process.state() != QProcess::NotRunning)
        ::kill(static_cast<pid_t>(m_process.processId()), SIGKILL);
}
