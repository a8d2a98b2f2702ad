// Reading a JPEG file into a plain picture (the start photograph).
#pragma once

#include <string>

#include "library/rgb_image.h"

namespace viv {

// Pictures larger than this are refused before anything is allocated for them.
constexpr int kMaxJpegSide = 16384;               // pixels, either way
constexpr long long kMaxJpegPixels = 64LL << 20;  // pixels in all (64 Mpixel)

// A progressive file is decoded in scans, each a pass over the whole picture. Its scans
// are limited so that the work stays bounded: at most kMaxJpegScanWork pixels over all
// scans, but always kMinJpegScans (ordinary encoders write at most a few dozen) and
// never more than kMaxJpegScansAtAll.
constexpr long long kMaxJpegScanWork = 2LL << 30;  // pixels x scans
constexpr int kMinJpegScans = 32;
constexpr int kMaxJpegScansAtAll = 1000;
// The scans allowed for a picture of `pixels` pixels.
int MaxJpegScans(long long pixels);

struct JpegResult {
    bool Ok = false;
    std::string Error;  // why the file could not be read; empty when Ok
    RgbImage Image;     // empty unless Ok
};

// Decodes the whole file: baseline or progressive, colour, greyscale (expanded to grey
// RGB) or CMYK/YCCK (converted to RGB). A damaged or truncated file is refused rather
// than shown in part, and so is a progressive file of more scans than MaxJpegScans.
// Only a regular file is read: a named pipe, a device or a directory is "not found".
// Never throws, never blocks on anything but the disk and never writes to the console.
JpegResult LoadJpeg(const std::string& path);

}  // namespace viv
