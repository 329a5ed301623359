// One libFuzzer target per decoder: QUORPIX_FUZZ_FORMAT is the format's code. The input goes
// through the probe and the reader, as a file read from disk would.
#include "formats.h"
#include "pixelops.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const quorpix::Format* format = quorpix::formatByCode(QUORPIX_FUZZ_FORMAT);
    quorpix::Buffer file(size);
    if (size > 0) {
        std::memcpy(file.data(), data, size);
    }
    format->probe(file.bytes(), size);
    quorpix::Picture picture;
    // The input's length picks the JPEG scale, so every scale gets its share of runs.
    if (format->load(std::move(file), quorpix::LoadOptions{static_cast<int>(size % 4)}, picture)) {
        // Touches every decoded pixel, so rows the reader left short show up.
        quorpix::makeBgr(picture);
        quorpix::makeGrey(picture);
    }
    return 0;
}
