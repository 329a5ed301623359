// The real quorpix module, loaded by name from the test program's folder as the program
// loads it, with its entry points looked up by name.
#pragma once

#include "quorpix.h"

struct QuorpixModule {
    PicCountFn count;
    PicTextFn description;
    PicTextFn pattern;
    PicTextFn extension;
    PicSaveFormatsFn saveFormats;
    PicValidFn valid;
    AnyToBmpFn anyToBmp;
    AnyToBmpFn anyToGrey;
    BmpToAnyFn bmpToAny;
    PicConvertFn convert;
    WinImageShowFn show;
};

// Loads the module on first use; throws std::runtime_error when it or an entry point is
// missing.
const QuorpixModule& quorpix();

inline constexpr int kBmpCode = 1;
inline constexpr int kJpegCode = 2;
