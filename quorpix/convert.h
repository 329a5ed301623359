// The module's operations, free of the C calling convention the entry points add.
#pragma once

#include <string>

namespace quorpix {

enum class Colour { Keep, Grey };

struct Conversion {
    int jpegScale = 0; // 0..3
    int format = 1;    // code of the format to write
    int quality = 100; // 1..100
    Colour colour = Colour::Keep;
    bool bmpSourceOnly = false;
};

// Whether the file's content is a picture we can read, whatever its name.
bool isValidPicture(const std::string& path);

// Reads source, writes destination; false on any bad argument, unreadable source or failed
// write, in which case destination is left as it was.
bool convertPicture(const std::string& source, const std::string& destination,
                    const Conversion& conversion);

} // namespace quorpix
