#include "versionrecord.h"
#include "librarysearch.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    int get() const { return m_fd; }

private:
    int m_fd;
};

bool readFully(int fd, std::uint64_t offset, std::span<std::byte> out) {
    std::size_t done = 0;
    while (done < out.size()) {
        const ssize_t got =
            ::pread(fd, out.data() + done, out.size() - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        done += static_cast<std::size_t>(got);
    }
    return true;
}
} // namespace

std::optional<FixedFileInfo> readVersionRecord(const std::filesystem::path& path) {
    // Non-blocking, so a FIFO under a library's name cannot hang the window; only regular files
    // are read.
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    struct stat status {};
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    const auto size = static_cast<std::uint64_t>(status.st_size);
    return findVersionNote([&](std::uint64_t offset, std::span<std::byte> out) {
        return offset <= size && out.size() <= size - offset && readFully(file.get(), offset, out);
    });
}

std::optional<FixedFileInfo> fileVersionInfo(std::string_view name,
                                             const std::filesystem::path& programFolder) {
    if (name.find('/') != std::string_view::npos)
        return readVersionRecord(name);
    const char* ldLibraryPath = std::getenv("LD_LIBRARY_PATH");
    const auto found =
        findLibrary(name, librarySearchFolders(programFolder, ldLibraryPath ? ldLibraryPath : ""));
    if (!found)
        return std::nullopt;
    return readVersionRecord(*found);
}
