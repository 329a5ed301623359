#include "convert.h"

#include "filebuffer.h"
#include "formats.h"
#include "pixelops.h"

namespace quorpix {

namespace {

// Enough for any BMP header and the JPEG headers of photos with large metadata.
constexpr std::uint64_t kProbeBytes = std::uint64_t{1} << 20;

bool fail(std::string* error, const std::string& reason) {
    if (error) {
        *error = reason;
    }
    return false;
}

bool validArguments(const Conversion& conversion, std::string* error) {
    if (!writableFormat(conversion.format)) {
        return fail(error, "no format to write has code " + std::to_string(conversion.format));
    }
    if (conversion.quality < 1 || conversion.quality > 100) {
        return fail(error, "quality must be 1 to 100");
    }
    if (conversion.jpegScale < 0 || conversion.jpegScale > 3) {
        return fail(error, "scale must be 0 to 3");
    }
    return true;
}

} // namespace

bool isValidPicture(const std::string& path) {
    Buffer head;
    std::uint64_t fileSize = 0;
    return readFileHead(path, kProbeBytes, head, fileSize) && formatOf(head.bytes(), fileSize);
}

bool loadPicture(const std::string& path, int jpegScale, bool bmpOnly, Picture& picture,
                 std::string* error) {
    Buffer file;
    std::string reason;
    if (!readWholeFile(path, file, &reason)) {
        return fail(error, path + ": " + reason);
    }
    const Format* format = bmpOnly ? formatByCode(kBmpFormat) : formatOf(file.bytes(), file.size());
    if (!format) {
        return fail(error, path + ": not a picture we read");
    }
    if (!format->load(std::move(file), LoadOptions{jpegScale}, picture)) {
        return fail(error, path + ": damaged or unsupported " + format->description + " picture");
    }
    return true;
}

bool convertPicture(const std::string& source, const std::string& destination,
                    const Conversion& conversion, std::string* error) {
    Picture picture;
    if (!validArguments(conversion, error) ||
        !loadPicture(source, conversion.jpegScale, conversion.bmpSourceOnly, picture, error)) {
        return false;
    }
    if (conversion.colour == Colour::Grey) {
        makeBgr(picture);
        makeGrey(picture);
    }
    std::string reason;
    if (!writableFormat(conversion.format)
             ->save(picture, destination, conversion.quality, &reason)) {
        return fail(error, reason.empty() ? "cannot write " + destination : reason);
    }
    return true;
}

} // namespace quorpix
