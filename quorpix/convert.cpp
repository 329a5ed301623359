#include "convert.h"

#include "filebuffer.h"
#include "formats.h"
#include "pixelops.h"

namespace quorpix {

namespace {

// Enough for any BMP header and the JPEG headers of photos with large metadata.
constexpr std::uint64_t kProbeBytes = std::uint64_t{1} << 20;

bool validArguments(const Conversion& conversion) {
    return formatByCode(conversion.format) && conversion.quality >= 1 &&
           conversion.quality <= 100 && conversion.jpegScale >= 0 && conversion.jpegScale <= 3;
}

bool load(const std::string& path, const Conversion& conversion, Picture& picture) {
    Buffer file;
    if (!readWholeFile(path, file)) {
        return false;
    }
    const Format* format =
        conversion.bmpSourceOnly ? formatByCode(kBmpFormat) : formatOf(file.bytes(), file.size());
    return format && format->load(std::move(file), LoadOptions{conversion.jpegScale}, picture);
}

} // namespace

bool isValidPicture(const std::string& path) {
    Buffer head;
    std::uint64_t fileSize = 0;
    return readFileHead(path, kProbeBytes, head, fileSize) && formatOf(head.bytes(), fileSize);
}

bool convertPicture(const std::string& source, const std::string& destination,
                    const Conversion& conversion) {
    Picture picture;
    if (!validArguments(conversion) || !load(source, conversion, picture)) {
        return false;
    }
    if (conversion.colour == Colour::Grey) {
        makeBgr(picture);
        makeGrey(picture);
    }
    return formatByCode(conversion.format)->save(picture, destination, conversion.quality);
}

} // namespace quorpix
