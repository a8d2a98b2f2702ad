// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "library/canvas/reduced_picture.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "library/canvas/raster_canvas.h"
#include "library/changed_tiles.h"

namespace viv {

namespace {

// The mean of a 2 x 2 block, rounded half up: the four pixels summed channel by channel
// in the lanes of two words; every channel's sum stays below 1024, so the lanes never
// meet.
std::uint32_t MeanOfFour(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d) {
    const std::uint32_t redBlue =
        (a & 0xFF00FFu) + (b & 0xFF00FFu) + (c & 0xFF00FFu) + (d & 0xFF00FFu);
    const std::uint32_t green =
        (a & 0x00FF00u) + (b & 0x00FF00u) + (c & 0x00FF00u) + (d & 0x00FF00u);
    return 0xFF000000u | (((redBlue + 0x020002u) >> 2) & 0xFF00FFu) |
           (((green + 0x000200u) >> 2) & 0x00FF00u);
}

// The shown pixels x0 .. x1 - 1 of one row from the two large rows under it.
void ReduceRowByTwo(const std::uint32_t* top, const std::uint32_t* bottom, std::uint32_t* out,
                    int x0, int x1) {
    std::ptrdiff_t x = x0;
#if defined(__SSE2__)
    // Four shown pixels at a time, the same sums in 16-bit lanes: a redraw filters the
    // whole picture, several megabytes, and a word at a time it took a tenth of the
    // smooth drawing's budget.
    const __m128i zero = _mm_setzero_si128();
    const __m128i half = _mm_set1_epi16(2);
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(0xFF000000u));
    auto fourPixels = [&](const std::uint32_t* t, const std::uint32_t* b) {  // to two shown
        const __m128i up = _mm_loadu_si128(reinterpret_cast<const __m128i*>(t));
        const __m128i down = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b));
        // The columns' sums of pixels 0, 1 and of 2, 3, 16 bits a channel.
        const __m128i left =
            _mm_add_epi16(_mm_unpacklo_epi8(up, zero), _mm_unpacklo_epi8(down, zero));
        const __m128i right =
            _mm_add_epi16(_mm_unpackhi_epi8(up, zero), _mm_unpackhi_epi8(down, zero));
        const __m128i sum =
            _mm_add_epi16(_mm_unpacklo_epi64(left, right), _mm_unpackhi_epi64(left, right));
        return _mm_srli_epi16(_mm_add_epi16(sum, half), 2);
    };
    for (; x + 4 <= x1; x += 4) {
        const __m128i shown = _mm_packus_epi16(fourPixels(top + 2 * x, bottom + 2 * x),
                                               fourPixels(top + 2 * x + 4, bottom + 2 * x + 4));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), _mm_or_si128(shown, opaque));
    }
#endif
    for (; x < x1; ++x)
        out[x] = MeanOfFour(top[2 * x], top[2 * x + 1], bottom[2 * x], bottom[2 * x + 1]);
}

}  // namespace

void ReduceArea(const QImage& large, int k, const TRect& area, QImage& reduced) {
    if (k < 1 || large.format() != QImage::Format_RGB32 || reduced.format() != QImage::Format_RGB32)
        return;
    const int x0 = std::max(area.Left, 0), y0 = std::max(area.Top, 0);
    const int x1 = std::min({area.Right, reduced.width(), large.width() / k});
    const int y1 = std::min({area.Bottom, reduced.height(), large.height() / k});
    if (k == 2) {
        // The rows found once: a wave's changed tiles come in many small areas.
        if (x0 >= x1 || y0 >= y1) return;
        const auto* in = reinterpret_cast<const std::uint32_t*>(large.constBits());
        auto* out = reinterpret_cast<std::uint32_t*>(reduced.bits());
        const auto inStride = static_cast<std::size_t>(large.bytesPerLine() / 4);
        const auto outStride = static_cast<std::size_t>(reduced.bytesPerLine() / 4);
        for (auto y = static_cast<std::size_t>(y0); y < static_cast<std::size_t>(y1); ++y) {
            ReduceRowByTwo(in + 2 * y * inStride, in + (2 * y + 1) * inStride, out + y * outStride,
                           x0, x1);
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
                    reinterpret_cast<const std::uint32_t*>(large.constScanLine(y * k + j)) +
                    static_cast<std::ptrdiff_t>(x) * k;
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
    TRect changed = large.TakeChanged(&tiles_);
    if (k != k_ || reduced_.width() != w || reduced_.height() != h) {
        k_ = k;
        reduced_ = QImage(w, h, QImage::Format_RGB32);
        changed = {0, 0, big.width(), big.height()};
        tiles_.clear();
    }
    // The shown pixels whose k x k squares meet a changed box.
    const auto reduce = [&](const TRect& box) {
        const TRect shown{box.Left / k, box.Top / k, (box.Right + k - 1) / k,
                          (box.Bottom + k - 1) / k};
        ReduceArea(big, k, shown, reduced_);
    };
    if (!tiles_.empty())  // a wave's crests, with the picture between them unchanged
        ForEachTileRun(tiles_, big.width(), big.height(), seen_, reduce);
    else if (changed.Left < changed.Right)
        reduce(changed);
    return reduced_;
}

}  // namespace viv
