#include "filebuffer.h"

#include "caps.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace quorpix {

namespace {

constexpr std::size_t kParallelReadBytes = std::size_t{8} << 20;

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

// Fills buffer from the file's bytes at offset until full or end of file; returns the number
// of bytes read or -1.
std::int64_t readAt(int fd, std::uint8_t* buffer, std::size_t size, std::uint64_t offset) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got =
            ::pread(fd, buffer + done, size - done, static_cast<off_t>(offset + done));
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

// Big files are read in two halves at once: most of the time goes into the kernel clearing
// fresh memory and copying the page cache, which a second core halves.
std::int64_t readFully(int fd, std::uint8_t* buffer, std::size_t size) {
    if (size < kParallelReadBytes) {
        return readAt(fd, buffer, size, 0);
    }
    const std::size_t half = size / 2;
    std::int64_t secondHalf = -1;
    std::thread helper([&] { secondHalf = readAt(fd, buffer + half, size - half, half); });
    const std::int64_t firstHalf = readAt(fd, buffer, half, 0);
    helper.join();
    if (firstHalf < 0 || secondHalf < 0) {
        return -1;
    }
    // A file that shrank while being read counts only up to its first gap.
    return static_cast<std::size_t>(firstHalf) < half ? firstHalf : firstHalf + secondHalf;
}

bool fail(std::string* error, const std::string& reason) {
    if (error) {
        *error = reason;
    }
    return false;
}

// Reads the first maxBytes of a regular file, or with wholeOnly refuses files longer than that.
bool readStart(const std::string& path, std::uint64_t maxBytes, bool wholeOnly, Buffer& out,
               std::uint64_t& fileSize, std::string* error) {
    // O_NONBLOCK keeps open() from waiting for a writer when the name is a FIFO.
    const Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0) {
        return fail(error, std::strerror(errno));
    }
    if (!S_ISREG(info.st_mode)) {
        return fail(error, "not a regular file");
    }
    fileSize = static_cast<std::uint64_t>(info.st_size);
    if (wholeOnly && fileSize > maxBytes) {
        return fail(error, "too large to read");
    }
    const auto wanted = static_cast<std::size_t>(std::min(fileSize, maxBytes));
    out = Buffer(wanted);
    const std::int64_t got = readFully(fd.get(), out.data(), wanted);
    if (got < 0) {
        return fail(error, std::strerror(errno));
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
    return readStart(path, maxBytes, false, out, fileSize, nullptr);
}

bool readWholeFile(const std::string& path, Buffer& out, std::string* error) {
    std::uint64_t fileSize = 0;
    return readStart(path, kMaxFileBytes, true, out, fileSize, error);
}

} // namespace quorpix
