// JPEG files made and read by the tests with TurboJPEG directly.
#pragma once

#include "testfiles.h"
#include "testimage.h"

#include <gtest/gtest.h>

struct JpegFacts {
    int width = 0;
    int height = 0;
    int subsampling = -1; // TJSAMP_*
};

testing::AssertionResult readJpegFacts(const Bytes& file, JpegFacts& facts);
// Decodes at 1/divisor of the size through TurboJPEG's DCT scaling.
testing::AssertionResult decodeJpeg(const Bytes& file, TestImage& image, int divisor = 1);

// subsampling is a TJSAMP_* value; TJSAMP_GRAY makes a grey JPEG.
Bytes encodeJpeg(const TestImage& image, int subsampling);
