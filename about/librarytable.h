// The maker's support libraries the About window lists, our image module first.
#pragma once

#include <QString>
#include <array>

struct LibraryRow {
    // Bare file name, at most 12 characters.
    QString fileName;
    // The file name, two line feeds, then what the library does.
    QString description;
};

// Built on first use and kept until the program ends.
const std::array<LibraryRow, 9>& libraryTable();
