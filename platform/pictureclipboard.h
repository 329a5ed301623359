// The clipboard as the grab writer sees it: is a picture there, take it, empty the clipboard.
#pragma once

#include <QImage>
#include <memory>

class PictureClipboard {
public:
    virtual ~PictureClipboard() = default;

    // Cheap and never blocking: true when a picture not yet taken is on the clipboard.
    virtual bool hasPicture() = 0;
    // Fetches the picture; a null image when the owner offers nothing readable, in which case
    // the same content is not offered again until the clipboard changes.
    virtual QImage takePicture() = 0;
    // Empties the clipboard; false when the picture could not be removed. Either way the taken
    // content is not offered again until the clipboard changes.
    virtual bool empty() = 0;
    // Asks the current owner afresh, for example when monitoring starts after a long pause.
    virtual void refresh() {}

    // The X11 watcher on an xcb session, else the portable one on QClipboard.
    static std::unique_ptr<PictureClipboard> forThisPlatform();
};
