// Version records of our own files, where the class library's platform asks the system for a
// file's version resource.
#pragma once

#include "elfversionnote.h"

#include <filesystem>
#include <optional>
#include <string_view>

// The record of the file at `path`; nothing for a missing, unreadable, special or damaged file
// or one without a record.
std::optional<FixedFileInfo> readVersionRecord(const std::filesystem::path& path);

// A name with a '/' is read as a path; a bare name is first looked for along the library
// search folders of a program in `programFolder` (and the LD_LIBRARY_PATH of this process).
std::optional<FixedFileInfo> fileVersionInfo(std::string_view name,
                                             const std::filesystem::path& programFolder);
