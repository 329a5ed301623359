#include "displaycheck.h"

#include <QtGlobal>
#include <xcb/xcb.h>

QString prepareDisplay() {
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return QString(); // the user chose the platform and gets Qt's own diagnostics
    qputenv("QT_QPA_PLATFORM", "xcb");
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return QStringLiteral("Clipstash needs an X11 display, and DISPLAY is not set. "
                              "Start it from a desktop session (on Wayland it runs through "
                              "XWayland).");
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool failed = xcb_connection_has_error(connection) != 0;
    xcb_disconnect(connection);
    if (failed)
        return QStringLiteral("Clipstash cannot open the X11 display \"%1\".")
            .arg(qEnvironmentVariable("DISPLAY"));
    return QString();
}
