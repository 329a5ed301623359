// The module's operations, free of the C calling convention the entry points add.
#pragma once

#include "picture.h"

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

// Decodes a picture file of any format we read. error (if given) receives the reason it
// could not.
bool loadPicture(const std::string& path, int jpegScale, bool bmpOnly, Picture& picture,
                 std::string* error);

// Reads source, writes destination; false on any bad argument, unreadable source or failed
// write, in which case destination is left as it was and error (if given) says why.
bool convertPicture(const std::string& source, const std::string& destination,
                    const Conversion& conversion, std::string* error = nullptr);

} // namespace quorpix
