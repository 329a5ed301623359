// What each format's probe, reader and writer look like, so the format table can hold them.
#pragma once

#include "filebuffer.h"
#include "picture.h"

#include <cstdint>
#include <span>
#include <string>

namespace quorpix {

struct LoadOptions {
    int jpegScale = 0; // 0..3: decode JPEG at 1, 1/2, 1/4 or 1/8 of its size
};

// True when the file's first bytes (and its length) look like a picture we can read.
using ProbeFn = bool (*)(std::span<const std::uint8_t> head, std::uint64_t fileSize);

// Decodes a whole file; the picture may keep the file's buffer and point into it.
using LoadFn = bool (*)(Buffer file, const LoadOptions& options, Picture& picture);

// Writes a picture atomically; quality is 1..100 for formats that use it. error (if given)
// receives the reason a write failed.
using SaveFn = bool (*)(Picture& picture, const std::string& path, int quality, std::string* error);

} // namespace quorpix
