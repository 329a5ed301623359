// Every file the module writes goes through here, so a crash or a failed conversion never
// leaves a truncated file under the destination's name.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

namespace quorpix {

// Writes the file's bytes; returns false when a write failed.
using FileFiller = std::function<bool(std::FILE* file)>;

// Fills a temporary file in the destination's folder, then renames it over the destination.
// On failure the temporary file is removed, the destination is untouched and error (if given)
// receives the reason.
bool writeFileAtomically(const std::string& path, const FileFiller& fill, std::string* error);

} // namespace quorpix
