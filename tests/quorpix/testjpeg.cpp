#include "testjpeg.h"

#include <algorithm>
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

namespace {

Bytes compress(const unsigned char* pixels, const TestImage& image, int pixelFormat,
               int subsampling, int flags) {
    const Handle encoder(tjInitCompress());
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    if (tjCompress2(encoder.get(), pixels, image.width, 0, image.height, pixelFormat, &jpeg, &size,
                    subsampling, 95, flags) != 0) {
        throw std::runtime_error(tjGetErrorStr2(encoder.get()));
    }
    Bytes file(jpeg, jpeg + size);
    tjFree(jpeg);
    return file;
}

} // namespace

Bytes encodeProgressiveJpeg(const TestImage& image) {
    return compress(reinterpret_cast<const unsigned char*>(image.pixels.data()), image, TJPF_RGB,
                    TJSAMP_444, TJFLAG_PROGRESSIVE);
}

Bytes encodeCmykJpeg(const TestImage& image) {
    std::vector<std::uint8_t> cmyk;
    for (const Rgb& pixel : image.pixels) {
        // Stored inverted: 255 means no ink. A channel shows as its level times black's.
        const int black = std::max({pixel.r, pixel.g, pixel.b, std::uint8_t{1}});
        for (const int level : {pixel.r, pixel.g, pixel.b}) {
            cmyk.push_back(static_cast<std::uint8_t>((level * 255 + black / 2) / black));
        }
        cmyk.push_back(static_cast<std::uint8_t>(black));
    }
    return compress(cmyk.data(), image, TJPF_CMYK, TJSAMP_444, 0);
}

Bytes withExifOrientation(const Bytes& jpeg, int orientation, bool bigEndian) {
    const auto u16 = [bigEndian](int value) {
        const auto high = static_cast<std::uint8_t>(value >> 8);
        const auto low = static_cast<std::uint8_t>(value);
        return bigEndian ? Bytes{high, low} : Bytes{low, high};
    };
    Bytes tiff =
        bigEndian ? Bytes{'M', 'M', 0, 42, 0, 0, 0, 8} : Bytes{'I', 'I', 42, 0, 8, 0, 0, 0};
    for (const Bytes& piece :
         {u16(2), u16(0x010F), u16(2), u16(0), u16(1), u16(0), u16(0), u16(0x0112), u16(3), u16(1),
          u16(0), u16(orientation), u16(0), u16(0), u16(0)}) {
        tiff.insert(tiff.end(), piece.begin(), piece.end());
    }
    Bytes segment = {0xFF, 0xE1, 0, 0, 'E', 'x', 'i', 'f', 0, 0};
    segment.insert(segment.end(), tiff.begin(), tiff.end());
    segment[2] = static_cast<std::uint8_t>((segment.size() - 2) >> 8);
    segment[3] = static_cast<std::uint8_t>(segment.size() - 2);
    Bytes file(jpeg.begin(), jpeg.begin() + 2);
    file.insert(file.end(), segment.begin(), segment.end());
    file.insert(file.end(), jpeg.begin() + 2, jpeg.end());
    return file;
}

Bytes encodeJpeg(const TestImage& image, int subsampling) {
    if (subsampling != TJSAMP_GRAY) {
        return compress(reinterpret_cast<const unsigned char*>(image.pixels.data()), image,
                        TJPF_RGB, subsampling, 0);
    }
    std::vector<std::uint8_t> grey;
    for (const Rgb& pixel : image.pixels) {
        grey.push_back(pixel.g);
    }
    return compress(grey.data(), image, TJPF_GRAY, subsampling, 0);
}
