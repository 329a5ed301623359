#include "testdisplay.h"

#include <cstdlib>
#include <cstring>
#include <memory>

xcb_atom_t TestDisplay::atom(const char* name) const {
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(m_connection,
                              xcb_intern_atom(m_connection, 0, std::strlen(name), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}
