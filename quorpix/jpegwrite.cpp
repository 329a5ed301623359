#include "jpegwrite.h"

#include "atomicfile.h"
#include "tjhandle.h"

namespace quorpix {

namespace {

constexpr int kFullChromaQuality = 90;

int tjPixelFormat(PixelOrder order) {
    switch (order) {
    case PixelOrder::Bgr:
        return TJPF_BGR;
    case PixelOrder::Bgrx:
        return TJPF_BGRX;
    case PixelOrder::Rgbx:
        return TJPF_RGBX;
    }
    return TJPF_BGR;
}

struct TjFree {
    void operator()(unsigned char* buffer) const { tjFree(buffer); }
};

} // namespace

bool saveJpeg(Picture& picture, const std::string& path, int quality, std::string* error) {
    const TjHandle encoder(tjInitCompress());
    if (!encoder) {
        return false;
    }
    const int subsampling = quality >= kFullChromaQuality ? TJSAMP_444 : TJSAMP_420;
    // Sized for the worst case up front so TurboJPEG never reallocates while encoding.
    unsigned long size = tjBufSize(picture.width, picture.height, subsampling);
    std::unique_ptr<unsigned char, TjFree> output(tjAlloc(static_cast<int>(size)));
    unsigned char* target = output.get();
    // A BMP's rows go in as stored: the bottom-up flag spares flipping them first.
    const int flags = TJFLAG_NOREALLOC | (picture.bottomUp ? TJFLAG_BOTTOMUP : 0);
    if (!target ||
        tjCompress2(encoder.get(), picture.firstRow, picture.width, static_cast<int>(picture.pitch),
                    picture.height, tjPixelFormat(picture.order), &target, &size, subsampling,
                    quality, flags) != 0) {
        return false;
    }
    return writeFileAtomically(
        path, [&](std::FILE* file) { return std::fwrite(target, 1, size, file) == size; }, error);
}

} // namespace quorpix
