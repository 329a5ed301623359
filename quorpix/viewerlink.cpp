#include "viewerlink.h"

#include "convert.h"
#include "pixelops.h"
#include "viewerimage.h"

#include <dlfcn.h>

namespace quorpix {

namespace {

// The viewer module beside this one, loaded once and kept for the module's life.
QuorpixViewerShowFn viewerEntry() {
    static const QuorpixViewerShowFn entry = [] {
        Dl_info self{};
        if (!dladdr(reinterpret_cast<void*>(&showFullScreen), &self) || !self.dli_fname) {
            return QuorpixViewerShowFn{};
        }
        const std::string ownPath = self.dli_fname;
        const std::size_t slash = ownPath.rfind('/');
        const std::string folder = slash == std::string::npos ? "." : ownPath.substr(0, slash);
        void* viewer = dlopen((folder + "/" QUORPIX_VIEWER_MODULE).c_str(), RTLD_NOW | RTLD_LOCAL);
        return viewer ? reinterpret_cast<QuorpixViewerShowFn>(dlsym(viewer, QUORPIX_VIEWER_ENTRY))
                      : QuorpixViewerShowFn{};
    }();
    return entry;
}

} // namespace

bool showFullScreen(const std::string& path) {
    Picture picture;
    if (!loadPicture(path, 0, false, picture, nullptr)) {
        return false;
    }
    const QuorpixViewerShowFn show = viewerEntry();
    if (!show) {
        return false;
    }
    makeBgr(picture);
    const QuorpixViewImage image{picture.width, picture.height, picture.downPitch(),
                                 picture.topRow()};
    return show(&image) != 0;
}

} // namespace quorpix
