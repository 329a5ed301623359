#include "elfimage.h"
#include "elfversionnote.h"
#include "versionnoteformat.h"

#include <elf.h>
#include <functional>
#include <gtest/gtest.h>

namespace {

const FixedFileInfo kRecord{0x00010002, 0x00030004, 0x00050006, 0x00070008};

TEST(ElfVersionNote, ReadsEitherClassAndByteOrder) {
    for (const bool is64 : {false, true}) {
        for (const bool bigEndian : {false, true}) {
            SCOPED_TRACE(testing::Message() << (is64 ? "64" : "32") << "-bit, "
                                            << (bigEndian ? "big" : "little") << " endian");
            ElfImageLayout layout = recordSpec();
            layout.is64 = is64;
            layout.bigEndian = bigEndian;
            const ElfImage image = buildElf(layout);
            EXPECT_EQ(findVersionNote(image.reader()), kRecord);
        }
    }
}

TEST(ElfVersionNote, FindsTheRecordAmongOtherNotes) {
    ElfImageLayout layout = recordSpec();
    const ElfNote ours = layout.notes.front();
    layout.notes = {{"GNU", NT_GNU_BUILD_ID, {1, 2, 3, 4, 5}},
                    {VERSION_NOTE_OWNER, VERSION_NOTE_TYPE + 1, {0, 0}},
                    {"Velmorx", VERSION_NOTE_TYPE, ours.descriptor},
                    ours};
    EXPECT_EQ(findVersionNote(buildElf(layout).reader()), kRecord);
}

TEST(ElfVersionNote, AnythingElseIsNoRecord) {
    const struct {
        const char* name;
        std::function<void(ElfImageLayout&)> change;
    } cases[] = {
        {"other section name", [](ElfImageLayout& s) { s.sectionName = ".note.velmor.versio"; }},
        {"not a note section", [](ElfImageLayout& s) { s.sectionType = SHT_PROGBITS; }},
        {"no notes", [](ElfImageLayout& s) { s.notes.clear(); }},
        {"other owner", [](ElfImageLayout& s) { s.notes[0].owner = "Velmo"; }},
        {"other type", [](ElfImageLayout& s) { s.notes[0].type = 2; }},
        {"wrong signature", [](ElfImageLayout& s) { s.notes[0].descriptor[0] = 0xFEEF04BC; }},
        {"other layout", [](ElfImageLayout& s) { s.notes[0].descriptor[1] = 0x00020000; }},
        {"short descriptor", [](ElfImageLayout& s) { s.notes[0].descriptor.resize(5); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ElfImageLayout layout = recordSpec();
        c.change(layout);
        EXPECT_EQ(findVersionNote(buildElf(layout).reader()), std::nullopt);
    }
}

TEST(ElfVersionNote, DamagedFilesAreNoRecord) {
    using Damage = std::function<void(ElfImage&)>;
    const auto header = [](std::size_t field, int width, std::uint64_t value) -> Damage {
        return [=](ElfImage& i) { i.put(field, width, value); };
    };
    const auto section = [](int index, std::size_t field, int width,
                            std::uint64_t value) -> Damage {
        return [=](ElfImage& i) { i.put(i.sectionHeader(index) + field, width, value); };
    };
    const auto note = [](std::uint64_t field, std::uint64_t value) -> Damage {
        return [=](ElfImage& i) { i.put(i.noteSection + field, 4, value); };
    };
    const std::uint64_t huge = ~std::uint64_t{0} - 8;
    const struct {
        const char* name;
        Damage damage;
    } cases[] = {
        {"no ELF magic", header(0, 1, 0x7e)},
        {"unknown class", header(EI_CLASS, 1, 3)},
        {"unknown byte order", header(EI_DATA, 1, 0)},
        {"unknown version", header(EI_VERSION, 1, 2)},
        {"section table past the end", header(offsetof(Elf64_Ehdr, e_shoff), 8, 1 << 20)},
        {"section table offset wraps", header(offsetof(Elf64_Ehdr, e_shoff), 8, huge)},
        {"section entries too small", header(offsetof(Elf64_Ehdr, e_shentsize), 2, 16)},
        {"more sections than the file holds", header(offsetof(Elf64_Ehdr, e_shnum), 2, 0xff00)},
        {"no sections", header(offsetof(Elf64_Ehdr, e_shnum), 2, 0)},
        {"names index out of range", header(offsetof(Elf64_Ehdr, e_shstrndx), 2, 3)},
        {"extended names index", header(offsetof(Elf64_Ehdr, e_shstrndx), 2, SHN_XINDEX)},
        {"names not a string table", section(2, offsetof(Elf64_Shdr, sh_type), 4, SHT_NOTE)},
        {"name past the names", section(1, offsetof(Elf64_Shdr, sh_name), 4, 0xfffffff0)},
        {"names offset wraps", section(2, offsetof(Elf64_Shdr, sh_offset), 8, huge)},
        {"note section past the end", section(1, offsetof(Elf64_Shdr, sh_offset), 8, 1 << 20)},
        {"note section offset wraps", section(1, offsetof(Elf64_Shdr, sh_offset), 8, huge)},
        {"note section beyond any record", section(1, offsetof(Elf64_Shdr, sh_size), 8, 1 << 30)},
        {"note section too short", section(1, offsetof(Elf64_Shdr, sh_size), 8, 20)},
        {"owner size past the section", note(0, 0xffffffff)},
        {"descriptor size past the section", note(4, 0xfffffff0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ElfImage image = buildElf(recordSpec());
        c.damage(image);
        EXPECT_EQ(findVersionNote(image.reader()), std::nullopt);
    }
}

TEST(ElfVersionNote, EveryTruncationIsNoRecord) {
    const ElfImage whole = buildElf(recordSpec());
    ASSERT_EQ(findVersionNote(whole.reader()), kRecord);
    for (std::size_t length = 0; length < whole.bytes.size(); ++length) {
        ElfImage cut = whole;
        cut.bytes.resize(length);
        EXPECT_EQ(findVersionNote(cut.reader()), std::nullopt) << "cut at " << length;
    }
}

} // namespace
