// Reading a JPEG file into a plain picture (the start photograph).
#pragma once

#include <string>

#include "library/rgb_image.h"

namespace viv {

// Pictures larger than this are refused before anything is allocated for them.
constexpr int kMaxJpegSide = 16384;               // pixels, either way
constexpr long long kMaxJpegPixels = 64LL << 20;  // pixels in all (64 Mpixel)

struct JpegResult {
    bool Ok = false;
    std::string Error;  // why the file could not be read; empty when Ok
    RgbImage Image;     // empty unless Ok
};

// Decodes the whole file: baseline or progressive, colour, greyscale (expanded to grey
// RGB) or CMYK/YCCK (converted to RGB). A damaged or truncated file is refused rather
// than shown in part. Never throws and never writes to the console.
JpegResult LoadJpeg(const std::string& path);

}  // namespace viv
