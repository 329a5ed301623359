#include "x11pictureclipboard.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImageReader>
#include <QMimeData>
#include <QSocketNotifier>

#include <cstdlib>
#include <xcb/xfixes.h>

namespace {
constexpr int kAnswerPropertyCount = 4;

template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> ReplyPtr<Reply> own(Reply* reply) {
    return ReplyPtr<Reply>(reply, &std::free);
}
} // namespace

std::unique_ptr<X11PictureClipboard> X11PictureClipboard::connectToDisplay() {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return nullptr;
    }
    const xcb_query_extension_reply_t* xfixes = xcb_get_extension_data(connection, &xcb_xfixes_id);
    if (xfixes == nullptr || !xfixes->present) {
        xcb_disconnect(connection);
        return nullptr;
    }
    // XFixes answers nothing until the client has announced the version it speaks.
    free(xcb_xfixes_query_version_reply(connection, xcb_xfixes_query_version(connection, 5, 0),
                                        nullptr));
    std::unique_ptr<X11PictureClipboard> clipboard(
        new X11PictureClipboard(connection, xfixes->first_event));
    clipboard->setUp();
    return clipboard;
}

X11PictureClipboard::X11PictureClipboard(xcb_connection_t* connection, uint8_t xfixesFirstEvent)
    : m_connection(connection), m_xfixesFirstEvent(xfixesFirstEvent) {}

X11PictureClipboard::~X11PictureClipboard() {
    delete m_notifier;
    xcb_disconnect(m_connection);
}

xcb_atom_t X11PictureClipboard::intern(const char* name) {
    auto reply = own(xcb_intern_atom_reply(
        m_connection, xcb_intern_atom(m_connection, 0, strlen(name), name), nullptr));
    return reply ? reply->atom : XCB_NONE;
}

void X11PictureClipboard::setUp() {
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
    m_window = xcb_generate_id(m_connection);
    xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_window, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, screen->root_visual, 0, nullptr);
    m_clipboard = intern("CLIPBOARD");
    m_targets = intern("TARGETS");
    for (int i = 0; i < kAnswerPropertyCount; ++i)
        m_answerProperties.push_back(
            intern(qPrintable(QStringLiteral("CLIPSTASH_TARGETS_%1").arg(i))));
    // Exactly the picture types Qt can turn into an image, so "present" means "readable".
    for (const QByteArray& type : QImageReader::supportedMimeTypes())
        m_pictureTargets.insert(intern(type.constData()));

    xcb_xfixes_select_selection_input(m_connection, m_window, m_clipboard,
                                      XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER |
                                          XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY |
                                          XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE);
    m_notifier = new QSocketNotifier(xcb_get_file_descriptor(m_connection), QSocketNotifier::Read);
    connect(m_notifier, &QSocketNotifier::activated, this, &X11PictureClipboard::pumpEvents);
    refresh();
}

void X11PictureClipboard::refresh() {
    auto reply = own(xcb_get_selection_owner_reply(
        m_connection, xcb_get_selection_owner(m_connection, m_clipboard), nullptr));
    const xcb_window_t owner = reply ? reply->owner : XCB_NONE;
    if (owner != XCB_NONE && owner == m_owner) {
        // Same content as before: keep what was taken, but ask again whether the owner answers.
        m_offersPicture = false;
        askForTargets();
    } else {
        ownerChanged(owner, XCB_CURRENT_TIME);
    }
    pumpEvents();
}

void X11PictureClipboard::pumpEvents() {
    if (xcb_connection_has_error(m_connection)) {
        m_notifier->setEnabled(false); // a lost display would otherwise wake us forever
        m_offersPicture = false;
        return;
    }
    while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
        handleEvent(event);
        free(event);
    }
    xcb_flush(m_connection);
}

void X11PictureClipboard::handleEvent(const xcb_generic_event_t* event) {
    const uint8_t type = event->response_type & 0x7f;
    if (type == m_xfixesFirstEvent + XCB_XFIXES_SELECTION_NOTIFY) {
        const auto* change = reinterpret_cast<const xcb_xfixes_selection_notify_event_t*>(event);
        if (change->selection == m_clipboard)
            ownerChanged(change->owner, change->selection_timestamp);
    } else if (type == XCB_SELECTION_NOTIFY) {
        targetsAnswered(reinterpret_cast<const xcb_selection_notify_event_t*>(event));
    }
}

void X11PictureClipboard::ownerChanged(xcb_window_t owner, xcb_timestamp_t since) {
    m_owner = owner;
    m_ownerSince = since;
    m_offersPicture = false;
    m_taken = false;
    m_pendingAnswer = XCB_NONE;
    if (owner != XCB_NONE)
        askForTargets();
}

void X11PictureClipboard::askForTargets() {
    m_pendingAnswer = m_answerProperties[m_nextAnswerProperty];
    m_nextAnswerProperty = (m_nextAnswerProperty + 1) % m_answerProperties.size();
    xcb_convert_selection(m_connection, m_window, m_clipboard, m_targets, m_pendingAnswer,
                          m_ownerSince);
    xcb_flush(m_connection);
}

void X11PictureClipboard::targetsAnswered(const xcb_selection_notify_event_t* answer) {
    if (m_pendingAnswer == XCB_NONE || answer->target != m_targets)
        return;
    // A refusal carries no property; any other answer must be for the request still pending.
    if (answer->property != XCB_NONE && answer->property != m_pendingAnswer)
        return;
    const xcb_atom_t property = m_pendingAnswer;
    m_pendingAnswer = XCB_NONE;
    if (answer->property == XCB_NONE)
        return;
    auto reply = own(xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 1, m_window, property, XCB_ATOM_ATOM, 0, 4096),
        nullptr));
    if (reply && reply->format == 32)
        m_offersPicture =
            offersPicture(static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get())),
                          xcb_get_property_value_length(reply.get()) / 4);
}

bool X11PictureClipboard::offersPicture(const xcb_atom_t* targets, int count) const {
    for (int i = 0; i < count; ++i)
        if (m_pictureTargets.contains(targets[i]))
            return true;
    return false;
}

bool X11PictureClipboard::hasPicture() {
    pumpEvents();
    return m_offersPicture && !m_taken;
}

QImage X11PictureClipboard::takePicture() {
    // Qt stamps its clipboard requests with the time of the last X event it handled: let it see
    // the owner change first, or the owner may ignore a request from the past.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QImage picture = data != nullptr ? qvariant_cast<QImage>(data->imageData()) : QImage();
    m_taken = true;
    return picture;
}

bool X11PictureClipboard::empty() {
    const xcb_window_t owner = m_owner;
    // Giving up the selection at the owner's own acquisition time removes exactly the content
    // that was taken: a newer picture put there meanwhile has a later time and survives.
    xcb_set_selection_owner(m_connection, XCB_NONE, m_clipboard, m_ownerSince);
    auto reply = own(xcb_get_selection_owner_reply(
        m_connection, xcb_get_selection_owner(m_connection, m_clipboard), nullptr));
    pumpEvents();
    const bool stillThere = reply && reply->owner == owner && owner != XCB_NONE;
    return !stillThere;
}
