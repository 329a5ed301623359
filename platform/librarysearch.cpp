#include "librarysearch.h"

namespace fs = std::filesystem;

namespace {
std::vector<fs::path> systemLibraryFolders() {
    std::vector<fs::path> folders;
    // The multiarch folders first, as Debian's linker configuration lists them.
    const std::string_view architecture = CLIPSTASH_LIBRARY_ARCHITECTURE;
    for (const char* base : {"/usr/local/lib", "/lib", "/usr/lib"})
        if (!architecture.empty())
            folders.push_back(fs::path(base) / architecture);
    for (const char* base : {"/usr/local/lib", "/lib", "/usr/lib"})
        folders.emplace_back(base);
    return folders;
}
} // namespace

std::vector<fs::path> librarySearchFolders(const fs::path& programFolder,
                                           std::string_view ldLibraryPath) {
    std::vector<fs::path> folders{programFolder, programFolder / "../lib/clipstash"};
    while (!ldLibraryPath.empty()) {
        const std::size_t end = ldLibraryPath.find(':');
        const std::string_view entry = ldLibraryPath.substr(0, end);
        if (!entry.empty())
            folders.emplace_back(entry);
        ldLibraryPath.remove_prefix(end == std::string_view::npos ? ldLibraryPath.size() : end + 1);
    }
    for (fs::path& folder : systemLibraryFolders())
        folders.push_back(std::move(folder));
    return folders;
}

std::optional<fs::path> findLibrary(std::string_view name, const std::vector<fs::path>& folders) {
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string_view::npos)
        return std::nullopt;
    for (const fs::path& folder : folders) {
        fs::path candidate = folder / name;
        std::error_code error;
        if (fs::is_regular_file(candidate, error))
            return candidate;
    }
    return std::nullopt;
}
