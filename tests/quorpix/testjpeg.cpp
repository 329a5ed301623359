#include "testjpeg.h"

#include <memory>
#include <stdexcept>
#include <turbojpeg.h>

static_assert(sizeof(Rgb) == 3, "pixels are handed to TurboJPEG as packed R,G,B");

namespace {

struct TjDestroy {
    void operator()(void* handle) const { tjDestroy(handle); }
};
using Handle = std::unique_ptr<void, TjDestroy>;

} // namespace

testing::AssertionResult readJpegFacts(const Bytes& file, JpegFacts& facts) {
    const Handle decoder(tjInitDecompress());
    int colourspace = 0;
    if (tjDecompressHeader3(decoder.get(), file.data(), file.size(), &facts.width, &facts.height,
                            &facts.subsampling, &colourspace) != 0) {
        return testing::AssertionFailure() << "not a JPEG: " << tjGetErrorStr2(decoder.get());
    }
    return testing::AssertionSuccess();
}

testing::AssertionResult decodeJpeg(const Bytes& file, TestImage& image, int divisor) {
    JpegFacts facts;
    if (auto read = readJpegFacts(file, facts); !read) {
        return read;
    }
    const Handle decoder(tjInitDecompress());
    const tjscalingfactor factor{1, divisor};
    const int width = TJSCALED(facts.width, factor), height = TJSCALED(facts.height, factor);
    image = TestImage{width, height, std::vector<Rgb>(static_cast<std::size_t>(width) * height)};
    if (tjDecompress2(decoder.get(), file.data(), file.size(),
                      reinterpret_cast<unsigned char*>(image.pixels.data()), width, 0, height,
                      TJPF_RGB, TJFLAG_STOPONWARNING) != 0) {
        return testing::AssertionFailure() << "damaged JPEG: " << tjGetErrorStr2(decoder.get());
    }
    return testing::AssertionSuccess();
}

Bytes encodeJpeg(const TestImage& image, int subsampling) {
    const Handle encoder(tjInitCompress());
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    std::vector<std::uint8_t> grey;
    for (const Rgb& pixel : image.pixels) {
        grey.push_back(pixel.g);
    }
    const bool isGrey = subsampling == TJSAMP_GRAY;
    const auto* pixels =
        isGrey ? grey.data() : reinterpret_cast<const unsigned char*>(image.pixels.data());
    if (tjCompress2(encoder.get(), pixels, image.width, 0, image.height,
                    isGrey ? TJPF_GRAY : TJPF_RGB, &jpeg, &size, subsampling, 95, 0) != 0) {
        throw std::runtime_error(tjGetErrorStr2(encoder.get()));
    }
    Bytes file(jpeg, jpeg + size);
    tjFree(jpeg);
    return file;
}
