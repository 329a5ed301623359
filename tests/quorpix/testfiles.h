// Files and folders for the module tests.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// A fresh folder, removed with its content at the end of the test.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // Full path of a file in the folder.
    std::string file(const std::string& name) const;

    // Names of everything in the folder, hidden files included.
    std::set<std::string> names() const;

private:
    std::string path_;
};

void writeBytes(const std::string& path, const Bytes& bytes);
Bytes readBytes(const std::string& path);
bool exists(const std::string& path);
