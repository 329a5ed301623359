#include "atomicfile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace quorpix {

namespace {

// Large enough that a 4K row or a whole JPEG goes out in a few write calls.
constexpr std::size_t kStreamBuffer = std::size_t{1} << 20;

// Reading the mask from /proc avoids umask()'s set-and-restore race with other threads.
mode_t currentUmask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0) {
            return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
        }
    }
    return 022;
}

void setError(std::string* error, const std::string& what, int code) {
    if (error) {
        *error = what + ": " + std::strerror(code);
    }
}

// Removes the temporary file unless the rename has made it the destination.
class TempFile {
public:
    explicit TempFile(std::string name) : name_(std::move(name)) {}
    ~TempFile() {
        if (!kept_) {
            ::unlink(name_.c_str());
        }
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    const std::string& name() const { return name_; }
    void keep() { kept_ = true; }

private:
    std::string name_;
    bool kept_ = false;
};

// Writes through a buffered stream and closes it; close errors count since they may report a
// failed delayed write.
bool fillAndClose(int fd, const FileFiller& fill, const std::string& path, std::string* error) {
    std::FILE* file = ::fdopen(fd, "wb");
    if (!file) {
        const int code = errno;
        ::close(fd);
        setError(error, "cannot write " + path, code);
        return false;
    }
    const auto streamBuffer = std::make_unique_for_overwrite<char[]>(kStreamBuffer);
    std::setvbuf(file, streamBuffer.get(), _IOFBF, kStreamBuffer);
    errno = 0;
    const bool filled = fill(file) && std::fflush(file) == 0;
    const int fillError = errno ? errno : EIO;
    const bool closed = std::fclose(file) == 0;
    if (!filled || !closed) {
        setError(error, "cannot write " + path, filled ? errno : fillError);
        return false;
    }
    return true;
}

} // namespace

bool writeFileAtomically(const std::string& path, const FileFiller& fill, std::string* error) {
    const std::size_t slash = path.rfind('/');
    const std::string folder =
        slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    if (base.empty()) {
        setError(error, "no file name in \"" + path + "\"", EINVAL);
        return false;
    }
    // The leading dot and the random tail keep the temporary out of the app's *.bmp listings.
    std::string name = folder + "/." + base + ".XXXXXX";
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        setError(error, "cannot create " + path, errno);
        return false;
    }
    TempFile temp(std::move(name));
    // mkstemp makes the file private; give it the mode a plain create would have.
    ::fchmod(fd, 0666 & ~currentUmask());
    if (!fillAndClose(fd, fill, path, error)) {
        return false;
    }
    if (::rename(temp.name().c_str(), path.c_str()) != 0) {
        setError(error, "cannot replace " + path, errno);
        return false;
    }
    temp.keep();
    return true;
}

} // namespace quorpix
