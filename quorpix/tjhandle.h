// Owning TurboJPEG instances.
#pragma once

#include <memory>
#include <turbojpeg.h>

namespace quorpix {

struct TjDestroy {
    void operator()(void* handle) const { tjDestroy(handle); }
};

using TjHandle = std::unique_ptr<void, TjDestroy>;

} // namespace quorpix
