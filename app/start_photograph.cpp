#include "app/start_photograph.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
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

std::uint8_t Channel(float value) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

}  // namespace

RgbImage CoverPicture(const RgbImage& photo, int width, int height) {
    RgbImage out;
    out.Width = std::max(width, 1);
    out.Height = std::max(height, 1);
    const std::size_t pixels = static_cast<std::size_t>(out.Width) * static_cast<std::size_t>(out.Height);
    if (photo.Width <= 0 || photo.Height <= 0 ||
        photo.Pixels.size() < static_cast<std::size_t>(photo.Width) * static_cast<std::size_t>(photo.Height)) {
        out.Pixels.assign(pixels, clWhite);
        return out;
    }
    out.Pixels.resize(pixels);

    // One scale for both directions, the larger of the two, so that the photograph covers
    // the picture; what is left over is cut off equally on both sides.
    const double scale = std::max(static_cast<double>(out.Width) / photo.Width,
                                  static_cast<double>(out.Height) / photo.Height);
    const double step = 1.0 / scale;  // source pixels per picture pixel
    const double offsetX = (photo.Width - out.Width * step) / 2;
    const double offsetY = (photo.Height - out.Height * step) / 2;
    if (step == 1.0 && offsetX == std::floor(offsetX) && offsetY == std::floor(offsetY)) {
        // The photograph at its own size: the middle part as it is.
        for (int y = 0; y < out.Height; ++y) {
            const auto from = photo.Pixels.begin() +
                              static_cast<std::ptrdiff_t>((y + static_cast<int>(offsetY)) * photo.Width +
                                                          static_cast<int>(offsetX));
            std::copy(from, from + out.Width,
                      out.Pixels.begin() + static_cast<std::ptrdiff_t>(y) * out.Width);
        }
        return out;
    }
    const std::vector<Taps> columns = TapsFor(out.Width, step, offsetX, photo.Width);
    const std::vector<Taps> rows = TapsFor(out.Height, step, offsetY, photo.Height);

    // Row by row: the source rows under the picture row blended into one, then the columns.
    const auto sourceWidth = static_cast<std::size_t>(photo.Width);
    std::vector<float> blended(sourceWidth * 3);
    for (int y = 0; y < out.Height; ++y) {
        std::fill(blended.begin(), blended.end(), 0.0f);
        const Taps& row = rows[static_cast<std::size_t>(y)];
        for (std::size_t k = 0; k < row.Weights.size(); ++k) {
            const float w = row.Weights[k];
            const TColor* source = &photo.Pixels[static_cast<std::size_t>(row.First + static_cast<int>(k)) * sourceWidth];
            for (std::size_t x = 0; x < sourceWidth; ++x) {
                blended[3 * x] += w * static_cast<float>(RedOf(source[x]));
                blended[3 * x + 1] += w * static_cast<float>(GreenOf(source[x]));
                blended[3 * x + 2] += w * static_cast<float>(BlueOf(source[x]));
            }
        }
        TColor* target = &out.Pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(out.Width)];
        for (int x = 0; x < out.Width; ++x) {
            const Taps& column = columns[static_cast<std::size_t>(x)];
            float r = 0, g = 0, b = 0;
            for (std::size_t k = 0; k < column.Weights.size(); ++k) {
                const std::size_t i = 3 * static_cast<std::size_t>(column.First + static_cast<int>(k));
                const float w = column.Weights[k];
                r += w * blended[i];
                g += w * blended[i + 1];
                b += w * blended[i + 2];
            }
            target[x] = RGB(Channel(r), Channel(g), Channel(b));
        }
    }
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
        cover_ = RgbImage{};
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

const RgbImage& StartPhotograph::Covering(int width, int height) {
    if (cover_.Width != std::max(width, 1) || cover_.Height != std::max(height, 1) || cover_.Pixels.empty())
        cover_ = CoverPicture(photo_, width, height);
    return cover_;
}

}  // namespace viv
