#include "librarytable.h"

namespace {
LibraryRow row(const char* fileName, const char* whatItDoes) {
    const QString name = QString::fromLatin1(fileName);
    return {name, name + QStringLiteral("\n\n") + QString::fromLatin1(whatItDoes)};
}
} // namespace

const std::array<LibraryRow, 9>& libraryTable() {
    static const std::array<LibraryRow, 9> table{
        row("quorpix.so", "Main graphics conversion and processing module. Some functions "
                          "utilise other dlls."),
        row("velgif.so", "Reads and writes GIF pictures, including animated ones."),
        row("veltiff.so", "Reads and writes TIFF pictures with all common compressions."),
        row("velpng.so", "Reads and writes PNG pictures, keeping their transparency."),
        row("velscan.so", "Acquires pictures from scanners and cameras."),
        row("velprint.so", "Prints pictures and contact sheets of thumbnails."),
        row("veleffect.so", "Filters and effects: sharpen, blur, emboss and more."),
        row("velfonts.so", "Draws smoothed text onto pictures."),
        row("velcolor.so", "Colour reduction, palettes and colour-space conversion."),
    };
    return table;
}
