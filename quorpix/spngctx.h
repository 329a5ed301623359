// Owning libspng contexts.
#pragma once

#include <memory>
#include <spng.h>

namespace quorpix {

struct SpngFree {
    void operator()(spng_ctx* context) const { spng_ctx_free(context); }
};

using SpngContext = std::unique_ptr<spng_ctx, SpngFree>;

} // namespace quorpix
