// Reading a file, or its first bytes, into one buffer.
#pragma once

#include "buffer.h"

#include <cstdint>
#include <string>

namespace quorpix {

// Reads at most maxBytes from the start of a regular file. fileSize receives the length of
// the whole file. Devices, pipes and folders are refused so a probe can never block.
bool readFileHead(const std::string& path, std::uint64_t maxBytes, Buffer& out,
                  std::uint64_t& fileSize);

// Reads a whole regular file; files longer than kMaxFileBytes are refused unread. error (if
// given) receives the reason a read failed.
bool readWholeFile(const std::string& path, Buffer& out, std::string* error);

} // namespace quorpix
