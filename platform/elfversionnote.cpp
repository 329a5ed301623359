#include "elfversionnote.h"
#include "versionnoteformat.h"

#include <cstring>
#include <elf.h>
#include <limits>
#include <string_view>
#include <vector>

namespace {

// Far beyond any real section table or note section; larger values are damage.
constexpr std::uint64_t kMaxBlock = 64 * 1024;
constexpr std::string_view kSectionName{VERSION_NOTE_SECTION, sizeof VERSION_NOTE_SECTION};
constexpr std::string_view kOwner{VERSION_NOTE_OWNER, sizeof VERSION_NOTE_OWNER};

struct Field {
    std::size_t offset;
    std::size_t width;
};

// Where the fields we need sit in the headers of one ELF class.
struct Layout {
    std::size_t headerSize;
    Field shoff, shentsize, shnum, shstrndx;
    std::size_t sectionSize;
    Field name, type, offset, size, align;
};

#define ELF_FIELD(record, member)                                                                  \
    Field {                                                                                        \
        offsetof(record, member), sizeof(record::member)                                           \
    }
template <typename Ehdr, typename Shdr> constexpr Layout layoutOf() {
    return {sizeof(Ehdr),
            ELF_FIELD(Ehdr, e_shoff),
            ELF_FIELD(Ehdr, e_shentsize),
            ELF_FIELD(Ehdr, e_shnum),
            ELF_FIELD(Ehdr, e_shstrndx),
            sizeof(Shdr),
            ELF_FIELD(Shdr, sh_name),
            ELF_FIELD(Shdr, sh_type),
            ELF_FIELD(Shdr, sh_offset),
            ELF_FIELD(Shdr, sh_size),
            ELF_FIELD(Shdr, sh_addralign)};
}
#undef ELF_FIELD

constexpr Layout kLayout32 = layoutOf<Elf32_Ehdr, Elf32_Shdr>();
constexpr Layout kLayout64 = layoutOf<Elf64_Ehdr, Elf64_Shdr>();

using Block = std::vector<std::byte>;

struct Section {
    std::uint64_t name, type, offset, size, align;
};

class ElfReader {
public:
    ElfReader(const ReadAt& readAt, const Layout& layout, bool bigEndian)
        : m_readAt(readAt), m_layout(layout), m_bigEndian(bigEndian) {}

    std::optional<FixedFileInfo> versionNote();

private:
    std::optional<Block> read(std::uint64_t offset, std::uint64_t size) const;
    std::uint64_t decode(const Block& block, std::size_t offset, std::size_t width) const;
    std::uint64_t decode(const Block& block, Field field) const {
        return decode(block, field.offset, field.width);
    }
    std::optional<Section> section(std::uint64_t index) const;
    bool isNamed(const Section& section, const Section& names, std::string_view name) const;
    std::optional<FixedFileInfo> recordIn(const Section& notes) const;
    std::optional<FixedFileInfo> descriptor(const Block& notes, std::uint64_t at) const;

    const ReadAt& m_readAt;
    const Layout& m_layout;
    bool m_bigEndian;
    std::uint64_t m_sectionTable = 0;
    std::uint64_t m_entrySize = 0;
};

bool fitsAfter(std::uint64_t offset, std::uint64_t size) {
    return offset <= std::numeric_limits<std::uint64_t>::max() - size;
}

std::optional<Block> ElfReader::read(std::uint64_t offset, std::uint64_t size) const {
    if (size > kMaxBlock || !fitsAfter(offset, size))
        return std::nullopt;
    Block block(size);
    if (!m_readAt(offset, block))
        return std::nullopt;
    return block;
}

std::uint64_t ElfReader::decode(const Block& block, std::size_t offset, std::size_t width) const {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < width; ++i) {
        const std::size_t at = m_bigEndian ? offset + i : offset + width - 1 - i;
        value = value << 8 | std::to_integer<std::uint64_t>(block[at]);
    }
    return value;
}

std::optional<Section> ElfReader::section(std::uint64_t index) const {
    const auto entry = read(m_sectionTable + index * m_entrySize, m_layout.sectionSize);
    if (!entry)
        return std::nullopt;
    return Section{decode(*entry, m_layout.name), decode(*entry, m_layout.type),
                   decode(*entry, m_layout.offset), decode(*entry, m_layout.size),
                   decode(*entry, m_layout.align)};
}

bool ElfReader::isNamed(const Section& section, const Section& names, std::string_view name) const {
    if (section.name > names.size || name.size() > names.size - section.name ||
        !fitsAfter(names.offset, section.name))
        return false;
    const auto text = read(names.offset + section.name, name.size());
    return text && std::memcmp(text->data(), name.data(), name.size()) == 0;
}

std::optional<FixedFileInfo> ElfReader::versionNote() {
    const auto header = read(0, m_layout.headerSize);
    if (!header)
        return std::nullopt;
    m_sectionTable = decode(*header, m_layout.shoff);
    m_entrySize = decode(*header, m_layout.shentsize);
    const std::uint64_t count = decode(*header, m_layout.shnum);
    const std::uint64_t namesIndex = decode(*header, m_layout.shstrndx);
    // A count of 0 or SHN_XINDEX means extended numbering, which our files never need.
    if (m_entrySize < m_layout.sectionSize || namesIndex >= count ||
        !fitsAfter(m_sectionTable, count * m_entrySize))
        return std::nullopt;
    // The whole table must be in the file, not only the entries up to ours.
    const auto names = section(namesIndex);
    if (!section(count - 1) || !names || names->type != SHT_STRTAB)
        return std::nullopt;
    for (std::uint64_t index = 0; index < count; ++index) {
        const auto candidate = section(index);
        if (!candidate)
            return std::nullopt;
        if (candidate->type == SHT_NOTE && isNamed(*candidate, *names, kSectionName))
            return recordIn(*candidate);
    }
    return std::nullopt;
}

std::uint64_t alignedUp(std::uint64_t value, std::uint64_t alignment) {
    return (value + alignment - 1) / alignment * alignment;
}

// Notes are padded to four bytes, or to eight in sections aligned so.
std::optional<FixedFileInfo> ElfReader::recordIn(const Section& notes) const {
    const auto block = read(notes.offset, notes.size);
    if (!block)
        return std::nullopt;
    const std::uint64_t alignment = notes.align == 8 ? 8 : 4;
    constexpr std::uint64_t headerSize = 3 * sizeof(std::uint32_t);
    std::uint64_t at = 0;
    while (block->size() - at >= headerSize) {
        const std::uint64_t ownerSize = decode(*block, at, 4);
        const std::uint64_t descriptorSize = decode(*block, at + 4, 4);
        const std::uint64_t type = decode(*block, at + 8, 4);
        const std::uint64_t ownerAt = at + headerSize;
        const std::uint64_t descriptorAt = ownerAt + alignedUp(ownerSize, alignment);
        if (descriptorAt > block->size() || descriptorSize > block->size() - descriptorAt)
            return std::nullopt;
        const bool ours = type == VERSION_NOTE_TYPE && ownerSize == kOwner.size() &&
                          std::memcmp(block->data() + ownerAt, kOwner.data(), kOwner.size()) == 0;
        if (ours && descriptorSize >= VERSION_NOTE_WORDS * sizeof(std::uint32_t))
            return descriptor(*block, descriptorAt);
        at = descriptorAt + alignedUp(descriptorSize, alignment);
        if (at > block->size())
            return std::nullopt;
    }
    return std::nullopt;
}

std::optional<FixedFileInfo> ElfReader::descriptor(const Block& notes, std::uint64_t at) const {
    const auto word = [&](int index) {
        return static_cast<std::uint32_t>(decode(notes, at + 4 * index, 4));
    };
    if (word(0) != VERSION_NOTE_SIGNATURE || word(1) != VERSION_NOTE_LAYOUT)
        return std::nullopt;
    return FixedFileInfo{word(2), word(3), word(4), word(5)};
}

} // namespace

std::optional<FixedFileInfo> findVersionNote(const ReadAt& readAt) {
    std::byte ident[EI_NIDENT];
    if (!readAt(0, ident) || std::memcmp(ident, ELFMAG, SELFMAG) != 0 ||
        std::to_integer<int>(ident[EI_VERSION]) != EV_CURRENT)
        return std::nullopt;
    const int elfClass = std::to_integer<int>(ident[EI_CLASS]);
    const int byteOrder = std::to_integer<int>(ident[EI_DATA]);
    if ((elfClass != ELFCLASS32 && elfClass != ELFCLASS64) ||
        (byteOrder != ELFDATA2LSB && byteOrder != ELFDATA2MSB))
        return std::nullopt;
    ElfReader reader(readAt, elfClass == ELFCLASS64 ? kLayout64 : kLayout32,
                     byteOrder == ELFDATA2MSB);
    return reader.versionNote();
}
