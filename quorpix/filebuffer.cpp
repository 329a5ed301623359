#include "filebuffer.h"

#include "caps.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorpix {

namespace {

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// Fills buffer from fd until full or end of file; returns the number of bytes read or -1.
std::int64_t readFully(int fd, std::uint8_t* buffer, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = ::read(fd, buffer + done, size - done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return -1;
        }
        if (got == 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    return static_cast<std::int64_t>(done);
}

// Reads the first maxBytes of a regular file, or with wholeOnly refuses files longer than that.
bool readStart(const std::string& path, std::uint64_t maxBytes, bool wholeOnly, Buffer& out,
               std::uint64_t& fileSize) {
    // O_NONBLOCK keeps open() from waiting for a writer when the name is a FIFO.
    const Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return false;
    }
    fileSize = static_cast<std::uint64_t>(info.st_size);
    if (wholeOnly && fileSize > maxBytes) {
        return false;
    }
    const auto wanted = static_cast<std::size_t>(std::min(fileSize, maxBytes));
    out = Buffer(wanted);
    const std::int64_t got = readFully(fd.get(), out.data(), wanted);
    if (got < 0) {
        return false;
    }
    if (static_cast<std::size_t>(got) < wanted) {
        out.shrink(static_cast<std::size_t>(got));
        fileSize = out.size(); // the file shrank while we read it
    }
    return true;
}

} // namespace

bool readFileHead(const std::string& path, std::uint64_t maxBytes, Buffer& out,
                  std::uint64_t& fileSize) {
    return readStart(path, maxBytes, false, out, fileSize);
}

bool readWholeFile(const std::string& path, Buffer& out) {
    std::uint64_t fileSize = 0;
    return readStart(path, kMaxFileBytes, true, out, fileSize);
}

} // namespace quorpix
