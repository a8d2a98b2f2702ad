// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/start_photograph.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <system_error>
#include <vector>

#include "library/canvas.h"
#include "library/jpeg_image.h"

namespace viv {

namespace {

// The source pixels one picture pixel is made of along one direction, with their weights.
struct Taps {
    int First = 0;
    std::vector<float> Weights;
};

// For each of `count` picture pixels: the picture pixel i stands over the source
// interval [offset + i * scale, offset + (i + 1) * scale) (source pixels); a tent of
// half-width max(scale, 1) about its centre weighs the source pixels, so that shrinking
// averages and enlarging interpolates linearly.
std::vector<Taps> TapsFor(int count, double scale, double offset, int sourceSize) {
    std::vector<Taps> taps(static_cast<std::size_t>(count));
    const double radius = std::max(scale, 1.0);
    for (int i = 0; i < count; ++i) {
        const double centre = offset + (i + 0.5) * scale - 0.5;
        int first = static_cast<int>(std::ceil(centre - radius));
        int last = static_cast<int>(std::floor(centre + radius));
        first = std::clamp(first, 0, sourceSize - 1);
        last = std::clamp(last, 0, sourceSize - 1);
        // Pixels at the tent's very edge weigh nothing and are left out (a picture pixel
        // right over a source pixel then takes that one alone).
        auto weightless = [&](int j) { return !(1.0 - std::abs(j - centre) / radius > 0.0); };
        while (first < last && weightless(first)) ++first;
        while (last > first && weightless(last)) --last;
        Taps& t = taps[static_cast<std::size_t>(i)];
        t.First = first;
        double sum = 0;
        for (int j = first; j <= last; ++j) {
            const double w = std::max(0.0, 1.0 - std::abs(j - centre) / radius);
            t.Weights.push_back(static_cast<float>(w));
            sum += w;
        }
        if (sum <= 0) {  // the centre lies beyond the last pixel: take the nearest
            t.First = std::clamp(static_cast<int>(std::lround(centre)), 0, sourceSize - 1);
            t.Weights.assign(1, 1.0f);
            continue;
        }
        for (float& w : t.Weights) w = static_cast<float>(w / sum);
    }
    return taps;
}

// Rounded half away from zero and clamped to 0 .. 255, as std::lround would round it,
// without the library call three times a pixel. A float plus one half is exact in double.
std::uint8_t Channel(float value) {
    if (!(value > 0.0f)) return 0;
    if (value >= 255.0f) return 255;
    return static_cast<std::uint8_t>(std::lround(value));
}

// The photograph's rows under one picture row, weighted by `row`, into `blended` (red,
// green and blue of each source column).
void BlendRows(const RgbImage& photo, const Taps& row, std::vector<float>& blended) {
    const auto sourceWidth = static_cast<std::size_t>(photo.Width);
    std::fill(blended.begin(), blended.end(), 0.0f);
    for (std::size_t k = 0; k < row.Weights.size(); ++k) {
        const float w = row.Weights[k];
        const TColor* source =
            &photo.Pixels[static_cast<std::size_t>(row.First + static_cast<int>(k)) * sourceWidth];
        for (std::size_t x = 0; x < sourceWidth; ++x) {
            blended[3 * x] += w * static_cast<float>(RedOf(source[x]));
            blended[3 * x + 1] += w * static_cast<float>(GreenOf(source[x]));
            blended[3 * x + 2] += w * static_cast<float>(BlueOf(source[x]));
        }
    }
}

// The blended row's columns under each picture pixel, weighted by `columns`, into `out`.
void BlendColumns(const std::vector<float>& blended, const std::vector<Taps>& columns,
                  std::vector<TColor>& out) {
    for (std::size_t x = 0; x < out.size(); ++x) {
        const Taps& column = columns[x];
        float r = 0, g = 0, b = 0;
        for (std::size_t k = 0; k < column.Weights.size(); ++k) {
            const std::size_t i = 3 * static_cast<std::size_t>(column.First + static_cast<int>(k));
            const float w = column.Weights[k];
            r += w * blended[i];
            g += w * blended[i + 1];
            b += w * blended[i + 2];
        }
        out[x] = RGB(Channel(r), Channel(g), Channel(b));
    }
}

}  // namespace

void CoverPictureRows(const RgbImage& photo, int width, int height,
                      const std::function<void(int y, const TColor* row)>& take) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    std::vector<TColor> out(static_cast<std::size_t>(width));
    if (photo.Width <= 0 || photo.Height <= 0 ||
        photo.Pixels.size() <
            static_cast<std::size_t>(photo.Width) * static_cast<std::size_t>(photo.Height)) {
        std::fill(out.begin(), out.end(), clWhite);
        for (int y = 0; y < height; ++y) take(y, out.data());
        return;
    }

    // One scale for both directions, the larger of the two, so that the photograph covers
    // the picture; what is left over is cut off equally on both sides.
    const double scale = std::max(static_cast<double>(width) / photo.Width,
                                  static_cast<double>(height) / photo.Height);
    const double step = 1.0 / scale;  // source pixels per picture pixel
    const double offsetX = (photo.Width - width * step) / 2;
    const double offsetY = (photo.Height - height * step) / 2;
    if (step == 1.0 && offsetX == std::floor(offsetX) && offsetY == std::floor(offsetY)) {
        // The photograph at its own size: the middle part as it is.
        for (int y = 0; y < height; ++y) {
            take(y, &photo.Pixels[static_cast<std::size_t>(y + static_cast<int>(offsetY)) *
                                      static_cast<std::size_t>(photo.Width) +
                                  static_cast<std::size_t>(offsetX)]);
        }
        return;
    }
    const std::vector<Taps> columns = TapsFor(width, step, offsetX, photo.Width);
    const std::vector<Taps> rows = TapsFor(height, step, offsetY, photo.Height);

    // Row by row: the source rows under the picture row blended into one, then the columns.
    std::vector<float> blended(static_cast<std::size_t>(photo.Width) * 3);
    for (int y = 0; y < height; ++y) {
        BlendRows(photo, rows[static_cast<std::size_t>(y)], blended);
        BlendColumns(blended, columns, out);
        take(y, out.data());
    }
}

RgbImage CoverPicture(const RgbImage& photo, int width, int height) {
    RgbImage out;
    out.Width = std::max(width, 1);
    out.Height = std::max(height, 1);
    out.Pixels.resize(static_cast<std::size_t>(out.Width) * static_cast<std::size_t>(out.Height));
    CoverPictureRows(photo, width, height, [&](int y, const TColor* row) {
        std::copy(row, row + out.Width,
                  out.Pixels.begin() + static_cast<std::ptrdiff_t>(y) * out.Width);
    });
    return out;
}

StartPhotograph::Stamp StartPhotograph::StampOf(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    Stamp stamp;
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::exists(status)) return stamp;
    stamp.Exists = true;
    if (fs::is_regular_file(status)) {
        stamp.Size = fs::file_size(path, error);
        if (error) stamp.Size = 0;
        const auto changed = fs::last_write_time(path, error);
        if (!error) stamp.Changed = static_cast<std::int64_t>(changed.time_since_epoch().count());
    }
    return stamp;
}

StartPhotograph::Result StartPhotograph::Get(const std::string& path) {
    const Stamp stamp = StampOf(path);
    const bool fresh = !known_ || path != path_ || !(stamp == stamp_);
    if (fresh) {
        known_ = true;
        path_ = path;
        stamp_ = stamp;
        photo_ = RgbImage{};
        ready_.reset();
        ok_ = false;
        if (stamp.Exists) {
            JpegResult loaded = LoadJpeg(path);
            ++loads_;
            ok_ = loaded.Ok;
            if (ok_) photo_ = std::move(loaded.Image);
        }
    }
    return {ok_ ? &photo_ : nullptr, fresh};
}

const TCanvas& StartPhotograph::Ready(Host& host, int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (!ready_ || ready_->Width() != width || ready_->Height() != height) {
        ready_.reset();  // the old size's picture goes before the new one is made
        ready_ = host.CreatePicture(width, height);
        CoverPictureRows(photo_, width, height,
                         [&](int y, const TColor* row) { ready_->SetPixelRow(0, y, row, width); });
    }
    return *ready_;
}

}  // namespace viv
