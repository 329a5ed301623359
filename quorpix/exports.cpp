// The C entry points: the only symbols the module exports. Each turns null names into "" and
// keeps exceptions (an allocation failing) from crossing into the caller.
#include "quorpix.h"

#include "convert.h"
#include "formats.h"
#include "viewerlink.h"

#include <string>

namespace {

std::string name(const char* text) {
    return text ? text : "";
}

// 1 when the operation succeeds, 0 when it fails or throws.
template <typename Operation> int result(Operation operation) {
    try {
        return operation() ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

int run(const char* source, const char* destination, const quorpix::Conversion& conversion) {
    return result(
        [&] { return quorpix::convertPicture(name(source), name(destination), conversion); });
}

} // namespace

extern "C" {

int _Pic_Count(void) {
    return quorpix::formatCount();
}

const char* _Pic_Description(int index) {
    return quorpix::formatDescription(index);
}

const char* _Pic_Pattern(int index) {
    return quorpix::formatPattern(index);
}

const char* _Pic_Extension(int index) {
    return quorpix::formatExtension(index);
}

const char* _Pic_GetSaveFormats(void) {
    return quorpix::saveFilter();
}

int _Pic_Valid(const char* file) {
    return result([file] { return quorpix::isValidPicture(name(file)); });
}

// The work block and the Photo CD size belong to the calling convention only: there is no
// Photo CD reader and no state kept between calls.
int _anytobmps(const char* source, const char* bmp, void*, int, int jpegScale) {
    return run(source, bmp, {.jpegScale = jpegScale, .format = quorpix::kBmpFormat});
}

int _anytogrey(const char* source, const char* bmp, void*, int, int jpegScale) {
    return run(
        source, bmp,
        {.jpegScale = jpegScale, .format = quorpix::kBmpFormat, .colour = quorpix::Colour::Grey});
}

int _bmptoanys(const char* bmp, const char* destination, void*, int format, int quality) {
    return run(bmp, destination, {.format = format, .quality = quality, .bmpSourceOnly = true});
}

int _Pic_Convert(const char* source, const char* destination, void*, int, int jpegScale, int format,
                 int quality) {
    return run(source, destination, {.jpegScale = jpegScale, .format = format, .quality = quality});
}

// The flags are part of the calling convention only: there is one way to show a picture.
int _WinImageShow(const char* file, int) {
    return result([file] { return quorpix::showFullScreen(name(file)); });
}

} // extern "C"
