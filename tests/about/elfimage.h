// Small ELF files made in memory: headers, one note section and the section-name table, in
// either class and byte order, with offsets to damage them by.
#pragma once

#include "elfversionnote.h"

#include <cstdint>
#include <string>
#include <vector>

struct ElfNote {
    std::string owner;
    std::uint32_t type;
    std::vector<std::uint32_t> descriptor;
};

struct ElfImageLayout {
    bool is64 = true;
    bool bigEndian = false;
    std::string sectionName;
    std::uint32_t sectionType;
    std::vector<ElfNote> notes;
};

struct ElfImage {
    std::vector<std::byte> bytes;
    bool is64;
    bool bigEndian;
    // Where the section table and each section's contents start.
    std::uint64_t sectionTable;
    std::uint64_t noteSection;
    std::uint64_t names;

    // Writes a `width`-byte number at `offset` in the image's byte order.
    void put(std::uint64_t offset, int width, std::uint64_t value);
    // The header field offsets of the section at `index` (0 null, 1 notes, 2 names).
    std::uint64_t sectionHeader(int index) const;
    // Reads from the bytes as a file would.
    ReadAt reader() const;
};

// Our record's descriptor for the file and product versions given as four parts each.
std::vector<std::uint32_t> versionDescriptor(const std::uint16_t (&file)[4],
                                             const std::uint16_t (&product)[4]);

// A valid image carrying our record, 1.2.3.4 as file and 5.6.7.8 as product version.
ElfImageLayout recordSpec();

ElfImage buildElf(const ElfImageLayout& layout);
