// libtiff on memory instead of a file: pictures are read from the file's buffer and written
// to memory first, so the atomic writer gets the finished file.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <tiffio.h>
#include <vector>

namespace quorpix {

struct TiffClose {
    void operator()(TIFF* tiff) const { TIFFClose(tiff); }
};

using TiffHandle = std::unique_ptr<TIFF, TiffClose>;

// The bytes a handle reads or writes, and the position in them; must outlive the handle.
struct TiffMemory {
    std::span<const std::uint8_t> input;
    std::vector<std::uint8_t> output;
    std::uint64_t position = 0;
};

// Opens the memory for reading ("r") or writing ("w"); libtiff's messages are dropped and
// single allocations capped.
TiffHandle openTiffMemory(TiffMemory& memory, const char* mode);

} // namespace quorpix
