#include "jpegread.h"

#include "caps.h"
#include "exif.h"
#include "orientation.h"
#include "pixelops.h"
#include "tjhandle.h"

namespace quorpix {

namespace {

struct JpegHeader {
    int width = 0;
    int height = 0;
    bool ink = false; // CMYK or YCCK, decoded to C,M,Y,K
};

// Reads the frame header and checks it against our caps before anything is allocated.
bool readHeader(tjhandle decoder, std::span<const std::uint8_t> data, JpegHeader& header) {
    if (data.size() < 3 || data[0] != 0xFF || data[1] != 0xD8 || data[2] != 0xFF) {
        return false;
    }
    int subsampling = 0, colourspace = 0;
    if (tjDecompressHeader3(decoder, data.data(), static_cast<unsigned long>(data.size()),
                            &header.width, &header.height, &subsampling, &colourspace) != 0) {
        return false;
    }
    header.ink = colourspace == TJCS_CMYK || colourspace == TJCS_YCCK;
    return withinCaps(header.width, header.height, header.ink ? 4 : 3);
}

// TurboJPEG's factor of 1 / 2^code, if it offers it.
bool scalingFactor(int code, tjscalingfactor& factor) {
    if (code < 0 || code > 3) {
        return false;
    }
    int count = 0;
    const tjscalingfactor* factors = tjGetScalingFactors(&count);
    for (int i = 0; factors && i < count; ++i) {
        if (factors[i].num == 1 && factors[i].denom == 1 << code) {
            factor = factors[i];
            return true;
        }
    }
    return false;
}

} // namespace

bool probeJpeg(std::span<const std::uint8_t> head, std::uint64_t) {
    const TjHandle decoder(tjInitDecompress());
    JpegHeader header;
    return decoder && readHeader(decoder.get(), head, header);
}

bool loadJpeg(Buffer file, const LoadOptions& options, Picture& picture) {
    const TjHandle decoder(tjInitDecompress());
    JpegHeader header;
    tjscalingfactor factor{};
    if (!decoder || !readHeader(decoder.get(), file.bytes(), header) ||
        !scalingFactor(options.jpegScale, factor)) {
        return false;
    }
    picture.width = TJSCALED(header.width, factor);
    picture.height = TJSCALED(header.height, factor);
    picture.allocate(header.ink ? PixelOrder::Bgrx : PixelOrder::Bgr);
    // Warnings mean damaged data that would decode to grey or garbage rows, so they fail the
    // read; the scan limit stops progressive files built to take forever.
    if (tjDecompress2(decoder.get(), file.data(), static_cast<unsigned long>(file.size()),
                      picture.firstRow, picture.width, static_cast<int>(picture.pitch),
                      picture.height, header.ink ? TJPF_CMYK : TJPF_BGR,
                      TJFLAG_STOPONWARNING | TJFLAG_LIMITSCANS) != 0) {
        return false;
    }
    if (header.ink) {
        inkToBgr(picture);
    }
    applyOrientation(picture, jpegOrientation(file.bytes()));
    return true;
}

} // namespace quorpix
