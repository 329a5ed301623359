// Finds our version record in an ELF file. Qt-free; the file is read piece by piece, so a
// large program costs a few small reads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

// The fixed part of a version record. Each version is two 32-bit words, the most significant
// holding the first two of its four 16-bit parts.
struct FixedFileInfo {
    std::uint32_t fileVersionMS = 0;
    std::uint32_t fileVersionLS = 0;
    std::uint32_t productVersionMS = 0;
    std::uint32_t productVersionLS = 0;

    bool operator==(const FixedFileInfo&) const = default;
};

// Fills `out` with the bytes at `offset`; false when the source ends before.
using ReadAt = std::function<bool(std::uint64_t offset, std::span<std::byte> out)>;

// The record, or nothing when the source is no ELF file, has no record, or any offset or size
// on the way points outside it or beyond sane limits. Either class and byte order is read.
std::optional<FixedFileInfo> findVersionNote(const ReadAt& readAt);
