#include "elfimage.h"
#include "versionnoteformat.h"

#include <cstring>
#include <elf.h>

namespace {
std::uint64_t alignedUp(std::uint64_t value, std::uint64_t alignment) {
    return (value + alignment - 1) / alignment * alignment;
}

// Offsets and sizes of the header fields we write, for either class.
struct Fields {
    std::size_t headerSize, shoff, shoffWidth, ehsize, shentsize, shnum, shstrndx;
    std::size_t sectionSize, name, type, offset, size, align, wordWidth;
};

template <typename Ehdr, typename Shdr> constexpr Fields fieldsOf() {
    return {sizeof(Ehdr),
            offsetof(Ehdr, e_shoff),
            sizeof(Ehdr::e_shoff),
            offsetof(Ehdr, e_ehsize),
            offsetof(Ehdr, e_shentsize),
            offsetof(Ehdr, e_shnum),
            offsetof(Ehdr, e_shstrndx),
            sizeof(Shdr),
            offsetof(Shdr, sh_name),
            offsetof(Shdr, sh_type),
            offsetof(Shdr, sh_offset),
            offsetof(Shdr, sh_size),
            offsetof(Shdr, sh_addralign),
            sizeof(Shdr::sh_offset)};
}

const Fields& fieldsFor(bool is64) {
    static constexpr Fields f32 = fieldsOf<Elf32_Ehdr, Elf32_Shdr>();
    static constexpr Fields f64 = fieldsOf<Elf64_Ehdr, Elf64_Shdr>();
    return is64 ? f64 : f32;
}

void appendWord(ElfImage& image, std::uint32_t value) {
    const std::uint64_t at = image.bytes.size();
    image.bytes.resize(at + 4);
    image.put(at, 4, value);
}

void appendText(ElfImage& image, const std::string& text, std::uint64_t paddedTo) {
    const std::uint64_t at = image.bytes.size();
    image.bytes.resize(alignedUp(at + text.size() + 1, paddedTo));
    std::memcpy(image.bytes.data() + at, text.data(), text.size());
}

void appendNotes(ElfImage& image, const std::vector<ElfNote>& notes) {
    for (const ElfNote& note : notes) {
        appendWord(image, static_cast<std::uint32_t>(note.owner.size() + 1));
        appendWord(image, static_cast<std::uint32_t>(note.descriptor.size() * 4));
        appendWord(image, note.type);
        appendText(image, note.owner, 4);
        for (std::uint32_t word : note.descriptor)
            appendWord(image, word);
    }
}

void writeHeader(ElfImage& image) {
    const Fields& f = fieldsFor(image.is64);
    std::memcpy(image.bytes.data(), ELFMAG, SELFMAG);
    image.bytes[EI_CLASS] = std::byte(image.is64 ? ELFCLASS64 : ELFCLASS32);
    image.bytes[EI_DATA] = std::byte(image.bigEndian ? ELFDATA2MSB : ELFDATA2LSB);
    image.bytes[EI_VERSION] = std::byte(EV_CURRENT);
    image.put(f.shoff, static_cast<int>(f.shoffWidth), image.sectionTable);
    image.put(f.ehsize, 2, f.headerSize);
    image.put(f.shentsize, 2, f.sectionSize);
    image.put(f.shnum, 2, 3);
    image.put(f.shstrndx, 2, 2);
}

void writeSection(ElfImage& image, int index, std::uint64_t name, std::uint32_t type,
                  std::uint64_t offset, std::uint64_t size) {
    const Fields& f = fieldsFor(image.is64);
    const std::uint64_t at = image.sectionHeader(index);
    const int word = static_cast<int>(f.wordWidth);
    image.put(at + f.name, 4, name);
    image.put(at + f.type, 4, type);
    image.put(at + f.offset, word, offset);
    image.put(at + f.size, word, size);
    image.put(at + f.align, word, index == 2 ? 1 : 4);
}
} // namespace

void ElfImage::put(std::uint64_t offset, int width, std::uint64_t value) {
    for (int i = 0; i < width; ++i) {
        const std::uint64_t at = bigEndian ? offset + width - 1 - i : offset + i;
        bytes[at] = std::byte(value >> (8 * i) & 0xff);
    }
}

std::uint64_t ElfImage::sectionHeader(int index) const {
    return sectionTable + index * fieldsFor(is64).sectionSize;
}

ReadAt ElfImage::reader() const {
    return [this](std::uint64_t offset, std::span<std::byte> out) {
        if (offset > bytes.size() || out.size() > bytes.size() - offset)
            return false;
        std::memcpy(out.data(), bytes.data() + offset, out.size());
        return true;
    };
}

std::vector<std::uint32_t> versionDescriptor(const std::uint16_t (&file)[4],
                                             const std::uint16_t (&product)[4]) {
    const auto word = [](std::uint16_t high, std::uint16_t low) {
        return static_cast<std::uint32_t>(high) << 16 | low;
    };
    return {VERSION_NOTE_SIGNATURE, VERSION_NOTE_LAYOUT,          word(file[0], file[1]),
            word(file[2], file[3]), word(product[0], product[1]), word(product[2], product[3])};
}

ElfImageLayout recordSpec() {
    return {.sectionName = VERSION_NOTE_SECTION,
            .sectionType = SHT_NOTE,
            .notes = {{VERSION_NOTE_OWNER, VERSION_NOTE_TYPE,
                       versionDescriptor({1, 2, 3, 4}, {5, 6, 7, 8})}}};
}

ElfImage buildElf(const ElfImageLayout& layout) {
    ElfImage image{{}, layout.is64, layout.bigEndian, 0, 0, 0};
    const Fields& f = fieldsFor(layout.is64);
    image.bytes.resize(f.headerSize);
    image.noteSection = image.bytes.size();
    appendNotes(image, layout.notes);
    const std::uint64_t noteSize = image.bytes.size() - image.noteSection;
    image.names = image.bytes.size();
    appendText(image, "", 1);
    appendText(image, layout.sectionName, 1);
    const std::uint64_t tableName = image.bytes.size() - image.names;
    appendText(image, ".shstrtab", 8);
    image.sectionTable = image.bytes.size();
    image.bytes.resize(image.sectionTable + 3 * f.sectionSize);
    writeHeader(image);
    writeSection(image, 1, 1, layout.sectionType, image.noteSection, noteSize);
    writeSection(image, 2, tableName, SHT_STRTAB, image.names, image.sectionTable - image.names);
    return image;
}
