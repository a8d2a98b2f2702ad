// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "library/canvas/reduced_picture.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "library/canvas/raster_canvas.h"

namespace viv {

void ReduceArea(const QImage& large, int k, const TRect& area, QImage& reduced) {
    if (k < 1 || large.format() != QImage::Format_RGB32 || reduced.format() != QImage::Format_RGB32)
        return;
    const int x0 = std::max(area.Left, 0), y0 = std::max(area.Top, 0);
    const int x1 = std::min({area.Right, reduced.width(), large.width() / k});
    const int y1 = std::min({area.Bottom, reduced.height(), large.height() / k});
    if (k == 2) {
        // Two rows of the large picture at a time, the four pixels of each block summed
        // channel by channel in the lanes of two words; every channel's sum stays below
        // 1024, so the lanes never meet.
        for (int y = y0; y < y1; ++y) {
            const auto* top = reinterpret_cast<const std::uint32_t*>(large.constScanLine(2 * y));
            const auto* bottom =
                reinterpret_cast<const std::uint32_t*>(large.constScanLine(2 * y + 1));
            auto* out = reinterpret_cast<std::uint32_t*>(reduced.scanLine(y));
            for (int x = x0; x < x1; ++x) {
                const std::uint32_t a = top[2 * x], b = top[2 * x + 1], c = bottom[2 * x],
                                    d = bottom[2 * x + 1];
                const std::uint32_t redBlue =
                    (a & 0xFF00FFu) + (b & 0xFF00FFu) + (c & 0xFF00FFu) + (d & 0xFF00FFu);
                const std::uint32_t green =
                    (a & 0x00FF00u) + (b & 0x00FF00u) + (c & 0x00FF00u) + (d & 0x00FF00u);
                // The mean, rounded half up: (sum + 2) / 4 in each lane.
                out[x] = 0xFF000000u | (((redBlue + 0x020002u) >> 2) & 0xFF00FFu) |
                         (((green + 0x000200u) >> 2) & 0x00FF00u);
            }
        }
        return;
    }
    const std::uint32_t count = static_cast<std::uint32_t>(k * k);
    for (int y = y0; y < y1; ++y) {
        auto* out = reinterpret_cast<std::uint32_t*>(reduced.scanLine(y));
        for (int x = x0; x < x1; ++x) {
            // Red and blue summed in two 16-bit lanes of one word, green in another.
            std::uint32_t redBlue = 0, green = 0;
            for (int j = 0; j < k; ++j) {
                const auto* in =
                    reinterpret_cast<const std::uint32_t*>(large.constScanLine(y * k + j)) + x * k;
                for (int i = 0; i < k; ++i) {
                    redBlue += in[i] & 0xFF00FFu;
                    green += in[i] & 0x00FF00u;
                }
            }
            // The mean of each channel, rounded half up.
            const std::uint32_t red = ((redBlue >> 16) + count / 2) / count;
            const std::uint32_t blue = ((redBlue & 0xFFFFu) + count / 2) / count;
            const std::uint32_t g = ((green >> 8) + count / 2) / count;
            out[x] = 0xFF000000u | red << 16 | g << 8 | blue;
        }
    }
}

QImage ShownImage(const RasterCanvas& picture, int k) {
    const QImage& large = picture.Image();
    if (k <= 1) return large;
    const QImage source = large.format() == QImage::Format_RGB32
                              ? large
                              : large.convertToFormat(QImage::Format_RGB32);
    QImage reduced(source.width() / k, source.height() / k, QImage::Format_RGB32);
    ReduceArea(source, k, {0, 0, reduced.width(), reduced.height()}, reduced);
    return reduced;
}

const QImage& ReducedPicture::Update(RasterCanvas& large, int k) {
    const QImage& image = std::as_const(large).Image();  // looking changes nothing
    const QImage big = image.format() == QImage::Format_RGB32
                           ? image
                           : image.convertToFormat(QImage::Format_RGB32);
    const int w = big.width() / k, h = big.height() / k;
    TRect changed = large.TakeChanged();
    if (k != k_ || reduced_.width() != w || reduced_.height() != h) {
        k_ = k;
        reduced_ = QImage(w, h, QImage::Format_RGB32);
        changed = {0, 0, big.width(), big.height()};
    }
    if (changed.Left < changed.Right) {
        // The shown pixels whose k x k squares meet the changed box.
        const TRect shown{changed.Left / k, changed.Top / k, (changed.Right + k - 1) / k,
                          (changed.Bottom + k - 1) / k};
        ReduceArea(big, k, shown, reduced_);
    }
    return reduced_;
}

}  // namespace viv
