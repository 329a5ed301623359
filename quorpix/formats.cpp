#include "formats.h"

#include "bmpread.h"
#include "bmpsave.h"
#include "gifread.h"
#include "jpegread.h"
#include "jpegwrite.h"
#include "pngread.h"
#include "pngwrite.h"
#include "pnmread.h"
#include "pnmwrite.h"
#include "tgaread.h"
#include "tgawrite.h"
#include "tiffread.h"
#include "tiffwrite.h"
#include "webpread.h"
#include "webpwrite.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace quorpix {

namespace {

// Append only: a format's code is its position here. Probes run in this order; TGA, which has
// no signature, checks its header strictly enough that no other format's file passes.
constexpr Format kFormats[] = {
    {"Windows Bitmap", "*.bmp", ".bmp", probeBmp, loadBmp, saveBmp},
    {"JPEG", "*.jpg;*.jpeg", ".jpg", probeJpeg, loadJpeg, saveJpeg},
    {"Portable Network Graphics", "*.png", ".png", probePng, loadPng, savePng},
    {"TIFF", "*.tif;*.tiff", ".tif", probeTiff, loadTiff, saveTiff},
    {"WebP", "*.webp", ".webp", probeWebp, loadWebp, saveWebp},
    {"Portable Anymap", "*.pnm;*.pbm;*.pgm;*.ppm", ".ppm", probePnm, loadPnm, savePnm},
    {"Truevision Targa", "*.tga", ".tga", probeTga, loadTga, saveTga},
    {"Graphics Interchange Format", "*.gif", ".gif", probeGif, loadGif, nullptr},
};

constexpr int kFormatCount = static_cast<int>(std::size(kFormats));

template <typename Text> std::string joinFormats(const char* separator, Text text) {
    std::string joined;
    for (const Format& format : kFormats) {
        const std::string piece = text(format);
        if (!piece.empty()) {
            joined += (joined.empty() ? "" : separator) + piece;
        }
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

const Format* writableFormat(int code) {
    const Format* format = formatByCode(code);
    return format && format->save ? format : nullptr;
}

int writableFormatForName(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || name.find('/', dot) != std::string::npos) {
        return 0;
    }
    std::string wanted = "*" + name.substr(dot);
    std::transform(wanted.begin(), wanted.end(), wanted.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (int code = 1; writableFormat(code); ++code) {
        const std::string patterns = std::string(";") + kFormats[code - 1].pattern + ";";
        if (patterns.find(";" + wanted + ";") != std::string::npos) {
            return code;
        }
    }
    return 0;
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
        return format.save ? std::string(format.description) + "|" + format.pattern : std::string();
    });
    return filter.c_str();
}

} // namespace quorpix
