// The formats we read and write, in one table: a format's code is its 1-based position, so
// new formats are appended and existing codes never change. The formats we can write come
// first, so that the save filter's positions are their codes; read-only ones follow.
#pragma once

#include "codec.h"

#include <span>
#include <string>

namespace quorpix {

struct Format {
    const char* description;
    const char* pattern;   // file-dialog patterns, ';'-separated
    const char* extension; // what we name files we write
    ProbeFn probe;
    LoadFn load;
    SaveFn save; // nullptr for a format we only read
};

inline constexpr int kBmpFormat = 1;
inline constexpr int kJpegFormat = 2;

int formatCount();

// The format with this code, or nullptr.
const Format* formatByCode(int code);

// The format with this code if we can write it, or nullptr.
const Format* writableFormat(int code);

// The code of the writable format whose patterns match the file name's extension, ignoring
// case; 0 when none does.
int writableFormatForName(const std::string& name);

// The first format whose probe accepts the file's start, or nullptr.
const Format* formatOf(std::span<const std::uint8_t> head, std::uint64_t fileSize);

// Texts for the file dialogs. Index 0 of description and pattern is every supported picture;
// extension takes codes only. Out-of-range indices give "". The texts live as long as the
// module.
const char* formatDescription(int index);
const char* formatPattern(int index);
const char* formatExtension(int code);

// "Description|pattern|..." with one pair per format we write, in code order.
const char* saveFilter();

} // namespace quorpix
