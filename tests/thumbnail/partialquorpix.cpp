// A quorpix build that lacks _Pic_Valid and _Pic_GetSaveFormats and lists no formats, to show
// what the components do with an incomplete module. It counts the conversions asked of it.
#include "quorpix.h"

namespace {
int conversions = 0;
} // namespace

extern "C" {
QUORPIX_API int _Pic_Count(void) {
    return 0;
}
QUORPIX_API const char* _Pic_Description(int) {
    return "Entry zero";
}
QUORPIX_API const char* _Pic_Pattern(int) {
    return "*.zero";
}
QUORPIX_API const char* _Pic_Extension(int) {
    return ".zero";
}
QUORPIX_API int _anytobmps(const char*, const char*, void*, int, int) {
    ++conversions;
    return 1;
}
QUORPIX_API int partialConversions(void) {
    return conversions;
}
}
