#include "tiffstream.h"

#include "caps.h"

#include <algorithm>
#include <cstring>

namespace quorpix {

namespace {

TiffMemory& memoryOf(thandle_t handle) {
    return *static_cast<TiffMemory*>(handle);
}

std::uint64_t lengthOf(const TiffMemory& memory) {
    return memory.input.empty() ? memory.output.size() : memory.input.size();
}

tmsize_t readBytes(thandle_t handle, void* buffer, tmsize_t size) {
    TiffMemory& memory = memoryOf(handle);
    const std::uint64_t length = lengthOf(memory);
    const std::uint64_t start = std::min(memory.position, length);
    const std::uint64_t count =
        std::min<std::uint64_t>(static_cast<std::uint64_t>(size), length - start);
    if (count > 0) {
        const std::uint8_t* bytes =
            memory.input.empty() ? memory.output.data() : memory.input.data();
        std::memcpy(buffer, bytes + start, count);
    }
    memory.position = start + count;
    return static_cast<tmsize_t>(count);
}

tmsize_t writeBytes(thandle_t handle, void* buffer, tmsize_t size) {
    TiffMemory& memory = memoryOf(handle);
    if (!memory.input.empty() || size < 0) {
        return -1;
    }
    const std::uint64_t end = memory.position + static_cast<std::uint64_t>(size);
    if (end > memory.output.size()) {
        memory.output.resize(end);
    }
    std::memcpy(memory.output.data() + memory.position, buffer, static_cast<std::size_t>(size));
    memory.position = end;
    return size;
}

toff_t seekTo(thandle_t handle, toff_t offset, int whence) {
    TiffMemory& memory = memoryOf(handle);
    const std::uint64_t base = whence == SEEK_CUR   ? memory.position
                               : whence == SEEK_END ? lengthOf(memory)
                                                    : 0;
    const std::uint64_t target = base + offset;
    // Seeking far past the end would let a hostile file make the writer grow without bound.
    if (target > kMaxFileBytes) {
        return static_cast<toff_t>(-1);
    }
    memory.position = target;
    return target;
}

int closeNothing(thandle_t) {
    return 0;
}

toff_t sizeOf(thandle_t handle) {
    return lengthOf(memoryOf(handle));
}

int mapNothing(thandle_t, void**, toff_t*) {
    return 0;
}

void unmapNothing(thandle_t, void*, toff_t) {}

int dropMessage(TIFF*, void*, const char*, const char*, va_list) {
    return 1; // handled: nothing reaches stderr
}

struct OptionsFree {
    void operator()(TIFFOpenOptions* options) const { TIFFOpenOptionsFree(options); }
};

} // namespace

TiffHandle openTiffMemory(TiffMemory& memory, const char* mode) {
    const std::unique_ptr<TIFFOpenOptions, OptionsFree> options(TIFFOpenOptionsAlloc());
    if (!options) {
        return nullptr;
    }
    TIFFOpenOptionsSetMaxSingleMemAlloc(options.get(), static_cast<tmsize_t>(kMaxPixelBytes));
    TIFFOpenOptionsSetErrorHandlerExtR(options.get(), dropMessage, nullptr);
    TIFFOpenOptionsSetWarningHandlerExtR(options.get(), dropMessage, nullptr);
    return TiffHandle(TIFFClientOpenExt("memory", mode, &memory, readBytes, writeBytes, seekTo,
                                        closeNothing, sizeOf, mapNothing, unmapNothing,
                                        options.get()));
}

} // namespace quorpix
