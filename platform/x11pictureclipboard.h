// Clipboard watcher on its own X connection: owner changes come from XFixes and the owner's
// TARGETS are asked for asynchronously, so a hung owner can never block the window.
#pragma once

#include "pictureclipboard.h"

#include <QObject>
#include <QSet>
#include <memory>
#include <vector>

#include <xcb/xcb.h>

class QSocketNotifier;

class X11PictureClipboard final : public QObject, public PictureClipboard {
    Q_OBJECT
public:
    // Null when there is no X display or it lacks XFixes.
    static std::unique_ptr<X11PictureClipboard> connectToDisplay();
    ~X11PictureClipboard() override;

    bool hasPicture() override;
    QImage takePicture() override;
    bool empty() override;
    void refresh() override;

private:
    explicit X11PictureClipboard(xcb_connection_t* connection, uint8_t xfixesFirstEvent);
    void setUp();
    xcb_atom_t intern(const char* name);
    void pumpEvents();
    void handleEvent(const xcb_generic_event_t* event);
    void ownerChanged(xcb_window_t owner, xcb_timestamp_t since);
    void askForTargets();
    void targetsAnswered(const xcb_selection_notify_event_t* answer);
    bool offersPicture(const xcb_atom_t* targets, int count) const;

    xcb_connection_t* m_connection;
    uint8_t m_xfixesFirstEvent;
    xcb_window_t m_window = XCB_NONE;
    xcb_atom_t m_clipboard = XCB_NONE;
    xcb_atom_t m_targets = XCB_NONE;
    std::vector<xcb_atom_t> m_answerProperties; // rotated so late answers can be told apart
    size_t m_nextAnswerProperty = 0;
    QSet<xcb_atom_t> m_pictureTargets;
    QSocketNotifier* m_notifier = nullptr;

    xcb_window_t m_owner = XCB_NONE;
    xcb_timestamp_t m_ownerSince = XCB_CURRENT_TIME;
    xcb_atom_t m_pendingAnswer = XCB_NONE;
    bool m_offersPicture = false;
    bool m_taken = false;
};
