#include "moduleread.h"

#include "module.h"

namespace {
testing::AssertionResult readConverted(AnyToBmpFn convert, const std::string& path,
                                       TestImage& image, int scale) {
    const std::string out = path + ".out.bmp";
    if ((convert(path.c_str(), out.c_str(), nullptr, 0, scale) & 0xFF) != 1) {
        return testing::AssertionFailure() << "the module refused " << path;
    }
    return readWrittenBmp(out, image);
}
} // namespace

testing::AssertionResult readThroughModule(const std::string& path, TestImage& image, int scale) {
    return readConverted(quorpix().anyToBmp, path, image, scale);
}

testing::AssertionResult readGreyThroughModule(const std::string& path, TestImage& image) {
    return readConverted(quorpix().anyToGrey, path, image, 0);
}

testing::AssertionResult readBytesThroughModule(const TempDir& dir, const Bytes& file,
                                                TestImage& image) {
    const std::string path = dir.file("picture");
    writeBytes(path, file);
    return readThroughModule(path, image);
}

testing::AssertionResult isGrey(const TestImage& image) {
    for (const Rgb& pixel : image.pixels) {
        if (pixel.r != pixel.g || pixel.g != pixel.b) {
            return testing::AssertionFailure() << "not grey: " << pixel;
        }
    }
    return testing::AssertionSuccess();
}

Rgb onWhite(const Rgb& colour, int alpha) {
    const auto mix = [alpha](int level) {
        return static_cast<std::uint8_t>((level * alpha + 255 * (255 - alpha) + 127) / 255);
    };
    return {mix(colour.r), mix(colour.g), mix(colour.b)};
}
