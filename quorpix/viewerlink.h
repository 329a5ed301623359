// The module's side of the full-screen viewer: decodes the file and hands the pixels to the
// Qt viewer module, which is loaded on first use so nothing else of the module loads Qt.
#pragma once

#include <string>

namespace quorpix {

// False when the file cannot be read or the viewer cannot be loaded or shown.
bool showFullScreen(const std::string& path);

} // namespace quorpix
