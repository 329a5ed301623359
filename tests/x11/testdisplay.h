// A short-lived connection of a test to its X display, for asking the server directly.
#pragma once

#include <xcb/xcb.h>

class TestDisplay {
public:
    TestDisplay() : m_connection(xcb_connect(nullptr, nullptr)) {}
    ~TestDisplay() { xcb_disconnect(m_connection); }
    TestDisplay(const TestDisplay&) = delete;
    TestDisplay& operator=(const TestDisplay&) = delete;

    bool isConnected() const { return xcb_connection_has_error(m_connection) == 0; }
    xcb_connection_t* connection() const { return m_connection; }
    // The atom of `name`, created if need be; XCB_ATOM_NONE when the server does not answer.
    xcb_atom_t atom(const char* name) const;

private:
    xcb_connection_t* m_connection;
};
