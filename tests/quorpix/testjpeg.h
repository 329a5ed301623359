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

// A progressive JPEG of the picture, 4:4:4.
Bytes encodeProgressiveJpeg(const TestImage& image);

// A CMYK JPEG (stored as YCCK) with the values inverted as Adobe's programs write them.
Bytes encodeCmykJpeg(const TestImage& image);

// The JPEG with an EXIF segment giving the orientation tag, in either byte order.
Bytes withExifOrientation(const Bytes& jpeg, int orientation, bool bigEndian);
