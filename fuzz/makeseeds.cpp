// Writes the fuzz targets' starting files: small pictures of each format in the layouts the
// tests make, one folder per target.
#include "formats.h"
#include "testbmp.h"
#include "testgif.h"
#include "testjpeg.h"
#include "testpng.h"

#include <cstdio>
#include <filesystem>
#include <turbojpeg.h>

namespace {

namespace fs = std::filesystem;

void save(const fs::path& folder, const std::string& name, const Bytes& bytes) {
    fs::create_directories(folder);
    writeBytes((folder / name).string(), bytes);
}

// The module's own writers give the seeds of the formats the tests make with them.
void saveWithModule(const fs::path& folder, int format, int quality, const std::string& name) {
    fs::create_directories(folder);
    const Bytes bmp = encodeBmp(manyColours(9, 7), kBgr24, false);
    quorpix::Buffer file(bmp.size());
    std::copy(bmp.begin(), bmp.end(), file.data());
    quorpix::Picture picture;
    quorpix::formatByCode(1)->load(std::move(file), {}, picture);
    quorpix::formatByCode(format)->save(picture, (folder / name).string(), quality, nullptr);
}

void bmpSeeds(const fs::path& folder) {
    const BmpLayout layouts[] = {
        kBgr24,
        {"32-bit masks", 32, 3, {0xFF0000, 0xFF00, 0xFF}, 40, false},
        {"16-bit masks", 16, 3, {0xF800, 0x07E0, 0x1F}, 124, true},
        {"8-bit", 8, 0, {}, 40, false},
        {"4-bit", 4, 0, {}, 40, true},
        {"1-bit", 1, 0, {}, 40, true},
    };
    int index = 0;
    for (const BmpLayout& layout : layouts) {
        const TestImage image = layout.bitsPerPixel == 1 ? twoColours(5, 3) : eightColours(5, 3);
        save(folder, std::to_string(index) + ".bmp", encodeBmp(image, layout, index % 2 == 0));
        ++index;
    }
}

void jpegSeeds(const fs::path& folder) {
    const TestImage image = quadrants(24, 16);
    save(folder, "420.jpg", encodeJpeg(image, TJSAMP_420));
    save(folder, "grey.jpg", encodeJpeg(image, TJSAMP_GRAY));
    save(folder, "progressive.jpg", encodeProgressiveJpeg(image));
    save(folder, "cmyk.jpg", encodeCmykJpeg(image));
    save(folder, "exif.jpg", withExifOrientation(encodeJpeg(image, TJSAMP_444), 6, true));
}

void pngSeeds(const fs::path& folder) {
    PngLayout palette{4, 2, PNG_COLOR_TYPE_PALETTE, 2, false, {{0x1B}, {0xE4}}, {}, {0, 128}, -1};
    palette.palette = {{1, 2, 3}, {200, 100, 0}, {0, 0, 255}, {9, 9, 9}};
    save(folder, "palette.png", encodePng(palette));
    PngLayout rgba{2,  2, PNG_COLOR_TYPE_RGBA, 16, true, {Bytes(16, 0x40), Bytes(16, 0xC0)}, {},
                 {}, -1};
    save(folder, "rgba16.png", encodePng(rgba));
    PngLayout grey{9, 2, PNG_COLOR_TYPE_GRAY, 1, false, {{0xA5, 0x80}, {0x5A, 0x00}}, {}, {}, -1};
    save(folder, "grey1.png", encodePng(grey));
}

void gifSeeds(const fs::path& folder) {
    const std::vector<Rgb> colours = {{1, 2, 3}, {200, 100, 0}, {0, 0, 255}};
    GifFrame frame{1, 1, 4, 3, true, {}, 2, {0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1, 2}};
    save(folder, "frame.gif", encodeGif(6, 5, colours, {frame, frame}));
}

void textSeeds(const fs::path& folder, const std::vector<std::string>& texts) {
    int index = 0;
    for (const std::string& content : texts) {
        save(folder, std::to_string(index++) + ".pnm", Bytes(content.begin(), content.end()));
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: quorpix_fuzz_seeds FOLDER\n");
        return 2;
    }
    const fs::path root = argv[1];
    bmpSeeds(root / "bmp");
    jpegSeeds(root / "jpeg");
    pngSeeds(root / "png");
    gifSeeds(root / "gif");
    saveWithModule(root / "tiff", 4, 80, "rgb.tif");
    saveWithModule(root / "webp", 5, 100, "lossless.webp");
    saveWithModule(root / "webp", 5, 80, "lossy.webp");
    saveWithModule(root / "pnm", 6, 80, "raw.ppm");
    textSeeds(root / "pnm", {"P1 3 2 010 110", "P2 2 2 15 0 3 7 15", "P3 1 1 255 1 2 3",
                             "P4 9 1\n\xA5\x80", "P5 2 1 65535\n\x01\x02\x03\x04"});
    saveWithModule(root / "tga", 7, 80, "plain.tga");
    save(root / "tga", "rle.tga", {0, 1, 9, 0,    0, 2, 0, 24, 0, 0, 0,    0, 3,    0,
                                   2, 0, 8, 0x20, 1, 2, 3, 4,  5, 6, 0x82, 0, 0x82, 1});
    return 0;
}
