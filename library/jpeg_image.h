// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Reading a JPEG file into a plain picture (the start photograph).
#pragma once

#include <cstdio>
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

// libjpeg's own memory (a progressive file's coefficients of the whole picture) is held to
// a budget that grows with the file: a short file claiming a huge picture is refused
// before libjpeg takes memory for it, while any real photograph stays well inside.
constexpr long long kJpegWorkMemoryBase = 64LL << 20;  // bytes
constexpr long long kJpegWorkMemoryPerFileByte = 256;  // bytes per byte of the file

// Why a photograph could not be shown.
enum class JpegFailure { None, NotFound, Unreadable, Damaged, TooLarge, Unsupported };

struct JpegResult {
    bool Ok = false;
    std::string Error;  // why the file could not be read; empty when Ok
    RgbImage Image;     // empty unless Ok
    JpegFailure Failure = JpegFailure::None;
};

// Decodes the whole file: baseline or progressive, colour, greyscale (expanded to grey
// RGB) or CMYK/YCCK (converted to RGB). A damaged or truncated file is refused rather
// than shown in part, and so is a progressive file of more scans than MaxJpegScans.
// Only a regular file is read: a named pipe, a device or a directory is "not found".
// Never throws, never blocks on anything but the disk and never writes to the console.
JpegResult LoadJpeg(const std::string& path);

// Decodes the JPEG that `file` holds from where it stands (`fileBytes` its size, for the
// budget of libjpeg's memory; `name` for the messages), as LoadJpeg does.
JpegResult DecodeJpeg(std::FILE* file, long long fileBytes, const std::string& name);

}  // namespace viv
