#include "formats.h"

#include "bmpread.h"
#include "bmpsave.h"
#include "jpegread.h"
#include "jpegwrite.h"

#include <string>

namespace quorpix {

namespace {

// Append only: a format's code is its position here.
constexpr Format kFormats[] = {
    {"Windows Bitmap", "*.bmp", ".bmp", probeBmp, loadBmp, saveBmp},
    {"JPEG", "*.jpg;*.jpeg", ".jpg", probeJpeg, loadJpeg, saveJpeg},
};

constexpr int kFormatCount = static_cast<int>(std::size(kFormats));

template <typename Text> std::string joinFormats(const char* separator, Text text) {
    std::string joined;
    for (const Format& format : kFormats) {
        joined += (joined.empty() ? "" : separator) + text(format);
    }
    return joined;
}

} // namespace

int formatCount() {
    return kFormatCount;
}

const Format* formatByCode(int code) {
    return code >= 1 && code <= kFormatCount ? &kFormats[code - 1] : nullptr;
}

const Format* formatOf(std::span<const std::uint8_t> head, std::uint64_t fileSize) {
    for (const Format& format : kFormats) {
        if (format.probe(head, fileSize)) {
            return &format;
        }
    }
    return nullptr;
}

const char* formatDescription(int index) {
    if (index == 0) {
        return "All supported pictures";
    }
    const Format* format = formatByCode(index);
    return format ? format->description : "";
}

const char* formatPattern(int index) {
    if (index == 0) {
        static const std::string all =
            joinFormats(";", [](const Format& format) { return std::string(format.pattern); });
        return all.c_str();
    }
    const Format* format = formatByCode(index);
    return format ? format->pattern : "";
}

const char* formatExtension(int code) {
    const Format* format = formatByCode(code);
    return format ? format->extension : "";
}

const char* saveFilter() {
    static const std::string filter = joinFormats("|", [](const Format& format) {
        return std::string(format.description) + "|" + format.pattern;
    });
    return filter.c_str();
}

} // namespace quorpix
