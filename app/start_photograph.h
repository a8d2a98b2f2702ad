// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The start photograph: read once per file and kept at its own size for the whole run,
// and scaled to cover the picture at whatever size the window gives it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "app/host.h"
#include "library/canvas.h"
#include "library/rgb_image.h"

namespace viv {

// The photograph scaled, its aspect kept, so that it covers width x height pixels, and
// cropped at the centre. Smooth both ways: each pixel averages the part of the photograph
// under it when shrinking and blends its four neighbours when enlarging. An empty
// photograph gives a white picture.
RgbImage CoverPicture(const RgbImage& photo, int width, int height);
// The same picture a row at a time: take(y, row) gets each row of width pixels, top
// first; the row is valid during the call only.
void CoverPictureRows(const RgbImage& photo, int width, int height,
                      const std::function<void(int y, const TColor* row)>& take);

// Reads the photograph once, and again only when the file changes (another size or time of
// change, or it appears or goes), not at every resize of the window.
class StartPhotograph {
public:
    struct Result {
        const RgbImage* Photo = nullptr;  // nullptr: the file cannot be read
        bool Fresh = false;               // the file was looked at anew by this call
    };
    Result Get(const std::string& path);

    // The photograph last got, scaled to cover width x height pixels (CoverPicture), as a
    // picture of `host` ready to be copied: kept for the last size, so that a redraw at
    // the same size copies memory and scales nothing.
    const TCanvas& Ready(Host& host, int width, int height);
    // Lets the scaled picture go (the start picture is left); the photograph stays.
    void ReleaseReady() { ready_.reset(); }
    bool HasReady() const { return ready_ != nullptr; }

    // How many times a file was decoded (for the tests).
    int Loads() const { return loads_; }

private:
    struct Stamp {
        bool Exists = false;
        std::uintmax_t Size = 0;
        std::int64_t Changed = 0;  // the file's time of change, in the clock's own ticks
        bool operator==(const Stamp&) const = default;
    };
    static Stamp StampOf(const std::string& path);

    bool known_ = false;
    std::string path_;
    Stamp stamp_;
    bool ok_ = false;
    RgbImage photo_;
    std::unique_ptr<TCanvas> ready_;  // photo_ scaled to the picture; none while not needed
    int loads_ = 0;
};

}  // namespace viv
