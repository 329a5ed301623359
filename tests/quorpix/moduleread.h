// Reading any picture file through the module: converted to a BMP, then read back.
#pragma once

#include "testbmp.h"

// The picture as the module reads it, at JPEG scale code scale.
testing::AssertionResult readThroughModule(const std::string& path, TestImage& image,
                                           int scale = 0);

// The picture as the module's grey conversion gives it.
testing::AssertionResult readGreyThroughModule(const std::string& path, TestImage& image);

// Writes bytes to a file of the folder and reads them through the module.
testing::AssertionResult readBytesThroughModule(const TempDir& dir, const Bytes& file,
                                                TestImage& image);

// Whether every pixel has equal channels, as grey output must.
testing::AssertionResult isGrey(const TestImage& image);

// The expected look of a pixel of the given alpha laid onto white.
Rgb onWhite(const Rgb& colour, int alpha);
