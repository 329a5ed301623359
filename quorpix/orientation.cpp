#include "orientation.h"

#include <cstring>

namespace quorpix {

namespace {

// Where a shown pixel comes from: with swap the shown x runs along the stored rows' y, and
// each flip counts a stored axis from its far end.
struct Mapping {
    bool swap, flipX, flipY;
};

// Indexed by EXIF orientation 1..8.
constexpr Mapping kMappings[] = {
    {false, false, false}, {false, false, false}, {false, true, false},
    {false, true, true},   {false, false, true},  {true, false, false},
    {true, false, true},   {true, true, true},    {true, true, false},
};

} // namespace

void applyOrientation(Picture& picture, int orientation) {
    if (orientation <= 1 || orientation > 8) {
        return;
    }
    const Mapping mapping = kMappings[orientation];
    Picture shown;
    shown.width = mapping.swap ? picture.height : picture.width;
    shown.height = mapping.swap ? picture.width : picture.height;
    shown.allocateBgr();
    for (int y = 0; y < shown.height; ++y) {
        std::uint8_t* out = shown.row(y);
        for (int x = 0; x < shown.width; ++x, out += 3) {
            int sx = mapping.swap ? y : x;
            int sy = mapping.swap ? x : y;
            sx = mapping.flipX ? picture.width - 1 - sx : sx;
            sy = mapping.flipY ? picture.height - 1 - sy : sy;
            std::memcpy(out, picture.row(sy) + 3 * sx, 3);
        }
    }
    picture = std::move(shown);
}

} // namespace quorpix
