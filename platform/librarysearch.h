// Where a library given by its bare file name is looked for, in the dynamic linker's spirit.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

// The program's folder, the installed module folder beside it (../lib/clipstash), each folder
// of `ldLibraryPath` (empty entries, which would mean the current folder, are skipped), then
// the system library folders.
std::vector<std::filesystem::path> librarySearchFolders(const std::filesystem::path& programFolder,
                                                        std::string_view ldLibraryPath);

// The first of `folders` holding `name` as a regular file (links followed). A name that is
// empty, "." or ".." or holds a '/' is no bare library name and is not looked for.
std::optional<std::filesystem::path> findLibrary(std::string_view name,
                                                 const std::vector<std::filesystem::path>& folders);
