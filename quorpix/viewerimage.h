// What the module hands its full-screen viewer: a decoded picture, so the viewer module needs
// no decoder of its own and the codec core never needs Qt.
#pragma once

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

// B,G,R pixels; stride is the signed byte distance from a row to the one shown below it.
struct QuorpixViewImage {
    int width;
    int height;
    ptrdiff_t stride;
    const unsigned char* topRow;
};

// Shows the picture full-screen until a key or a click; 0 when no window could be shown.
typedef int (*QuorpixViewerShowFn)(const struct QuorpixViewImage* image);

#define QUORPIX_VIEWER_MODULE "quorpix-viewer.so"
#define QUORPIX_VIEWER_ENTRY "quorpix_viewer_show"

#ifdef __cplusplus
}
#endif
