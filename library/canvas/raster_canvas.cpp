// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "library/canvas/raster_canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <span>
#include <type_traits>
#include <utility>

#include "library/canvas/canvas_common.h"
#include "library/changed_tiles.h"

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace viv {

using canvas_internal::AngleRange;
using canvas_internal::EllipseBox;
using canvas_internal::kTwoPi;
using canvas_internal::PointD;
using canvas_internal::RectD;
using canvas_internal::SwapRB;

namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;

inline std::uint32_t Combine(TPenMode mode, std::uint32_t pen, std::uint32_t dest) {
    // The channel order of the picture (0x00RRGGBB) does not matter to bitwise modes.
    return kOpaque | CombinePenMode(mode, pen, dest & 0xFFFFFFu);
}

inline bool HatchOn(std::int64_t x, std::int64_t y) {
    return ((x - y) & 7) == 0 || ((x + y) & 7) == 7;
}

std::int64_t FloorDiv(__int128 a, std::int64_t b) {  // b > 0
    __int128 q = a / b;
    if ((a % b != 0) && (a < 0)) --q;
    return static_cast<std::int64_t>(q);
}
std::int64_t CeilDiv(__int128 a, std::int64_t b) {  // b > 0
    __int128 q = a / b;
    if ((a % b != 0) && (a > 0)) ++q;
    return static_cast<std::int64_t>(q);
}

// A Bresenham line by its major axis u and minor axis v: it starts at (u0, v0), steps su
// (+-1) along u each step and sv (+-1) along v m times in n steps, in a picture uSize by vSize.
struct LineAxes {
    std::int64_t u0, v0, su, sv, n, m, uSize, vSize;
};

// Narrows the steps klo .. khi of a line that does not lie wholly inside the picture to
// those whose pixels do; false where none does.
bool ClipLineSteps(const LineAxes& line, std::int64_t& klo, std::int64_t& khi) {
    const auto [u0, v0, su, sv, n, m, uSize, vSize] = line;
    if (su > 0) {
        klo = std::max(klo, -u0);
        khi = std::min(khi, uSize - 1 - u0);
    } else {
        klo = std::max(klo, u0 - (uSize - 1));
        khi = std::min(khi, u0);
    }
    if (klo > khi) return false;

    // Allowed minor offsets q with v0 + sv * q inside the picture.
    std::int64_t qlo = sv > 0 ? -v0 : v0 - (vSize - 1);
    const std::int64_t qhi = sv > 0 ? vSize - 1 - v0 : v0;
    if (qhi < 0) return false;
    qlo = std::max<std::int64_t>(qlo, 0);
    if (qlo > qhi) return false;
    if (n == 0 || m == 0) {
        if (qlo > 0) return false;  // the minor coordinate stays v0, which lies outside
    } else {
        // q(k) = floor((2 k m + n) / 2n) >= qlo  <=>  k >= ceil((2 n qlo - n) / 2m)
        const __int128 lowNum = static_cast<__int128>(2) * n * qlo - n;
        if (lowNum > 0) klo = std::max(klo, CeilDiv(lowNum, 2 * m));
        // q(k) <= qhi  <=>  2 k m <= 2 n (qhi + 1) - n - 1
        const __int128 highNum = static_cast<__int128>(2) * n * (qhi + 1) - n - 1;
        khi = std::min(khi, FloorDiv(highNum, 2 * m));
    }
    return klo <= khi;
}

// Calls fn(x, y, k) for the steps k = 0 .. kLast of the Bresenham line from (x0, y0)
// towards (x1, y1) whose pixels lie in [0, w) x [0, h). Step k lies k pixels along the
// major axis; its minor offset is round-half-up of k * minor / major. The first and last
// visible steps are computed directly, so clipping never changes the pixels drawn.
template <class Fn>
void VisitLine(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
               std::int64_t kLast, std::int64_t w, std::int64_t h, Fn&& fn) {
    const std::int64_t dx = x1 - x0;
    const std::int64_t dy = y1 - y0;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t u0 = xMajor ? x0 : y0;
    const std::int64_t v0 = xMajor ? y0 : x0;
    const std::int64_t du = xMajor ? dx : dy;
    const std::int64_t dv = xMajor ? dy : dx;
    const std::int64_t uSize = xMajor ? w : h;
    const std::int64_t vSize = xMajor ? h : w;
    const std::int64_t su = du < 0 ? -1 : 1;
    const std::int64_t sv = dv < 0 ? -1 : 1;
    const std::int64_t n = std::llabs(du);
    const std::int64_t m = std::llabs(dv);
    if (kLast < 0 || w <= 0 || h <= 0) return;

    std::int64_t klo = 0;
    std::int64_t khi = std::min(kLast, n);
    const bool inside =
        x0 >= 0 && x0 < w && x1 >= 0 && x1 < w && y0 >= 0 && y0 < h && y1 >= 0 && y1 < h;
    if (!inside && !ClipLineSteps({u0, v0, su, sv, n, m, uSize, vSize}, klo, khi)) return;

    const std::int64_t twoN = std::max<std::int64_t>(2 * n, 1);
    std::int64_t q = 0;
    std::int64_t r = n;  // (2 * 0 * m + n) mod 2n
    if (klo > 0) {
        const __int128 num0 = static_cast<__int128>(2) * klo * m + n;
        q = static_cast<std::int64_t>(num0 / twoN);
        r = static_cast<std::int64_t>(num0 % twoN);
    }
    const std::int64_t step = 2 * m;
    for (std::int64_t k = klo; k <= khi; ++k) {
        const std::int64_t u = u0 + su * k;
        const std::int64_t v = v0 + sv * q;
        if (xMajor) {
            fn(static_cast<int>(u), static_cast<int>(v), k);
        } else {
            fn(static_cast<int>(v), static_cast<int>(u), k);
        }
        r += step;
        if (r >= twoN) {
            r -= twoN;
            ++q;
        }
    }
}

struct DashMask {
    std::array<bool, 24> on{};
    int period = 1;
};

DashMask MakeDashMask(const canvas_internal::DashPattern* dash) {
    DashMask d;
    if (dash == nullptr) {
        d.on[0] = true;
        d.period = 1;
        return d;
    }
    int pos = 0;
    for (int i = 0; i < dash->count; ++i) {
        for (int j = 0; j < dash->runs[i]; ++j)
            d.on[static_cast<std::size_t>(pos++)] = (i % 2) == 0;
    }
    d.period = dash->period;
    return d;
}

// The unit vectors of a range's two bounding rays (y upwards), taken once per figure by
// everything that needs them.
struct RayDirections {
    RayDirections() = default;  // a whole ellipse, which has no rays
    explicit RayDirections(const AngleRange& range)
        : cosStart(std::cos(range.start)),
          sinStart(std::sin(range.start)),
          cosEnd(std::cos(range.start + range.sweep)),
          sinEnd(std::sin(range.start + range.sweep)) {}
    double cosStart = 1, sinStart = 0, cosEnd = 1, sinEnd = 0;
};

// Whether a pixel centre lies in a sector's range of directions, exactly as the test
// range.Contains(DirectionAngle(dx, dy)) decides it, with its tolerance of 1e-9 radians
// at the two bounding rays, but without trigonometry: the signs of the cross products
// with the two rays decide, and the angle itself is taken only for a pixel lying within
// 1e-8 radians of a ray, where the tolerance may count.
class SectorTest {
public:
    SectorTest(const AngleRange& range, const RayDirections& rays)
        : range_(range),
          narrow_(range.sweep <= canvas_internal::kPi),
          cosStart_(rays.cosStart),
          sinStart_(rays.sinStart),
          cosEnd_(rays.cosEnd),
          sinEnd_(rays.sinEnd),
          slopeStart_(cosStart_ / sinStart_),
          slopeEnd_(cosEnd_ / sinEnd_),
          spreadStart_((kNearRay + 1e-9) / std::abs(sinStart_)),
          spreadEnd_((kNearRay + 1e-9) / std::abs(sinEnd_)) {}

    // (dx, dyDown) from the centre, pixels.
    bool Inside(double dx, double dyDown) const {
        const double px = dx, py = -dyDown;
        const double fromStart = cosStart_ * py - sinStart_ * px;  // |p| sin(angle - start)
        const double fromEnd = cosEnd_ * py - sinEnd_ * px;        // |p| sin(angle - end)
        const double reach = std::abs(px) + std::abs(py);
        const double near = kNearRay * reach;
        const bool nearStart =
            std::abs(fromStart) <= near && cosStart_ * px + sinStart_ * py >= 0.0;
        const bool nearEnd = std::abs(fromEnd) <= near && cosEnd_ * px + sinEnd_ * py >= 0.0;
        if (nearStart || nearEnd) {
            // A pixel on a ray itself (a diagonal's pixels), far within the tolerance of
            // the range whatever the rounding of its angle, is inside.
            const double onRay = kOnRay * reach;
            if (reach > 0.0 &&
                ((nearStart && std::abs(fromStart) <= onRay &&
                  cosStart_ * px + sinStart_ * py > 0.0) ||
                 (nearEnd && std::abs(fromEnd) <= onRay && cosEnd_ * px + sinEnd_ * py > 0.0)))
                return true;
            return range_.Contains(canvas_internal::DirectionAngle(dx, dyDown));
        }
        return narrow_ ? fromStart > 0.0 && fromEnd < 0.0 : !(fromStart < 0.0 && fromEnd > 0.0);
    }

    // A row's crossing with a ray's line, dyDown from the centre, and the half width
    // about it where the cross product with the ray may have either sign or come near
    // enough to zero for the angle to be taken. `reach` bounds |dx| + |dyDown| over the
    // row's pixels. The half width reaches a millionth of a pixel beyond the near zone:
    // far more than the rounding of the crossing, far less than a pixel, so that mostly
    // no pixel lies within it. False when the ray's line runs (almost) along the row.
    bool Crossing(bool end, double cx, double dyDown, double reach, double& crossing,
                  double& halfWidth) const {
        const double slope = end ? slopeEnd_ : slopeStart_;
        crossing = cx - slope * dyDown;  // where cs py - sn px = 0
        halfWidth = (end ? spreadEnd_ : spreadStart_) * reach + 1e-6 +
                    1e-12 * (std::abs(cx) + std::abs(slope * dyDown));
        return std::isfinite(crossing) && std::isfinite(halfWidth) && halfWidth <= 1e9;
    }

    bool Narrow() const { return narrow_; }
    // Which side of each crossing lies on the range's side of the ray's line.
    bool StartSideBelow() const { return sinStart_ > 0.0; }
    bool EndSideBelow() const { return !(sinEnd_ > 0.0); }

    // Inside for a pixel x farther than the half width from both crossings, where the
    // signs of the cross products are certain: on the range's side of the start ray's
    // line (left of it) and of the end ray's line (right of it).
    bool InsideAway(double x, double startCrossing, double endCrossing) const {
        const bool byStart = sinStart_ > 0.0 ? x < startCrossing : x > startCrossing;
        const bool byEnd = sinEnd_ > 0.0 ? x > endCrossing : x < endCrossing;
        return narrow_ ? byStart && byEnd : byStart || byEnd;
    }

private:
    static constexpr double kNearRay = 1e-8;  // radians (as a sine)
    static constexpr double kOnRay = 1e-12;   // radians, far below the range's 1e-9

    AngleRange range_;
    bool narrow_;
    double cosStart_, sinStart_, cosEnd_, sinEnd_;
    double slopeStart_, slopeEnd_;    // cos / sin of each ray: the crossing's run per row
    double spreadStart_, spreadEnd_;  // the near zone's half width per unit of reach, pixels
};

// Integer bounds of values kept within the row x0 .. x1 (and a pixel beyond), without a
// library call: the smallest pixel at or after v, and the largest before v.
std::int64_t PixelAtOrAfter(double v, std::int64_t x0, std::int64_t x1) {
    v = std::clamp(v, static_cast<double>(x0) - 1.0, static_cast<double>(x1) + 1.0);
    auto t = static_cast<std::int64_t>(v);
    if (static_cast<double>(t) < v) ++t;
    return t;
}

std::int64_t PixelBefore(double v, std::int64_t x0, std::int64_t x1) {
    v = std::clamp(v, static_cast<double>(x0) - 1.0, static_cast<double>(x1) + 1.0);
    auto t = static_cast<std::int64_t>(v);
    if (static_cast<double>(t) >= v) --t;
    return t;
}

// The runs of pixels x0..x1 of a row in the sector when every pixel of the row lies away
// from both crossings: each ray's side is a half line, and the runs follow from the
// crossings directly.
template <class Fn>
void RunsAwayFromCrossings(const SectorTest& test, const std::array<double, 2>& crossing,
                           std::int64_t x0, std::int64_t x1, Fn& run) {
    const bool startBelow = test.StartSideBelow();  // x < start crossing, else above
    const bool endBelow = test.EndSideBelow();
    auto clippedRun = [&](std::int64_t a, std::int64_t b) {
        a = std::max(a, x0);
        b = std::min(b, x1);
        if (a <= b) run(a, b);
    };
    const std::int64_t leftOfRow = x0 - 1, rightOfRow = x1 + 1;
    // The pixels on the range's side of each crossing, as [from, to].
    const std::int64_t startFrom = startBelow ? leftOfRow : PixelAtOrAfter(crossing[0], x0, x1);
    const std::int64_t startTo = startBelow ? PixelBefore(crossing[0], x0, x1) : rightOfRow;
    const std::int64_t endFrom = endBelow ? leftOfRow : PixelAtOrAfter(crossing[1], x0, x1);
    const std::int64_t endTo = endBelow ? PixelBefore(crossing[1], x0, x1) : rightOfRow;
    if (test.Narrow()) {
        clippedRun(std::max(startFrom, endFrom), std::min(startTo, endTo));
    } else if (startTo < endFrom - 1 || endTo < startFrom - 1) {
        // Two runs apart; the one further left first.
        if (startFrom <= endFrom) {
            clippedRun(startFrom, startTo);
            clippedRun(endFrom, endTo);
        } else {
            clippedRun(endFrom, endTo);
            clippedRun(startFrom, startTo);
        }
    } else {
        clippedRun(std::min(startFrom, endFrom), std::max(startTo, endTo));
    }
}

// The pixels of row x0..x1 where the sector's answer may change: each crossing's first
// pixel beyond it, and the first pixel of each crossing's window and the one after it,
// with the row's ends; unsorted. Returns how many; `windows` gets each crossing's window.
std::size_t CrossingCuts(const std::array<double, 2>& crossing,
                         const std::array<double, 2>& halfWidth, std::int64_t x0, std::int64_t x1,
                         std::array<std::int64_t, 8>& cuts,
                         std::array<std::pair<std::int64_t, std::int64_t>, 2>& windows) {
    const double lo = static_cast<double>(x0);
    const double hi = static_cast<double>(x1) + 1.0;
    auto clampToRow = [&](double v) { return static_cast<std::int64_t>(std::clamp(v, lo, hi)); };
    std::size_t n = 0;
    for (std::size_t i = 0; i < 2; ++i) {
        windows[i] = {clampToRow(std::ceil(crossing[i] - halfWidth[i])),
                      clampToRow(std::floor(crossing[i] + halfWidth[i]) + 1.0)};
        cuts[n++] = clampToRow(std::floor(crossing[i]) + 1.0);
        cuts[n++] = windows[i].first;
        cuts[n++] = windows[i].second;
    }
    cuts[n++] = x0;
    cuts[n++] = x1 + 1;
    return n;
}

// The runs of pixels x0..x1 of row y whose centres lie in the sector, as test.Inside
// decides pixel by pixel. Away from the row's crossings with the two rays' lines the
// answer follows from the side of each crossing; the few pixels within a crossing's
// half width are tested one by one.
template <class Fn>
void SectorRuns(const EllipseBox& e, const SectorTest& test, int y, std::int64_t x0,
                std::int64_t x1, Fn&& run) {
    const double dy = y - e.cy;  // downwards
    auto inside = [&](std::int64_t x) { return test.Inside(static_cast<double>(x) - e.cx, dy); };
    const double reach = std::max(std::abs(static_cast<double>(x0) - e.cx),
                                  std::abs(static_cast<double>(x1) - e.cx)) +
                         std::abs(dy);

    std::int64_t runStart = 0;
    bool inRun = false;
    auto take = [&](std::int64_t a, bool on) {  // from pixel a on, all on or all off
        if (on && !inRun) {
            runStart = a;
            inRun = true;
        } else if (!on && inRun) {
            run(runStart, a - 1);
            inRun = false;
        }
    };
    auto finish = [&] {
        if (inRun) run(runStart, x1);
    };

    std::array<double, 2> crossing{}, halfWidth{};
    if (!test.Crossing(false, e.cx, dy, reach, crossing[0], halfWidth[0]) ||
        !test.Crossing(true, e.cx, dy, reach, crossing[1], halfWidth[1])) {
        for (std::int64_t x = x0; x <= x1; ++x) take(x, inside(x));
        return finish();
    }
    auto nearCrossing = [&](std::size_t i) {
        const std::int64_t p = std::max(x0, PixelAtOrAfter(crossing[i] - halfWidth[i], x0, x1));
        return p <= x1 && static_cast<double>(p) <= crossing[i] + halfWidth[i];
    };
    if (!nearCrossing(0) && !nearCrossing(1))
        return RunsAwayFromCrossings(test, crossing, x0, x1, run);
    // Some pixel lies within a crossing's half width: tested one by one there, and by the
    // sides of the crossings between the cuts elsewhere.
    std::array<std::int64_t, 8> cuts{};
    std::array<std::pair<std::int64_t, std::int64_t>, 2> windows{};  // [first, end)
    const std::size_t n = CrossingCuts(crossing, halfWidth, x0, x1, cuts, windows);
    std::sort(cuts.begin(), cuts.begin() + static_cast<std::ptrdiff_t>(n));
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const std::int64_t a = cuts[i];
        const std::int64_t b = cuts[i + 1];  // pixels a .. b - 1
        if (a >= b) continue;
        const bool near = (a >= windows[0].first && a < windows[0].second) ||
                          (a >= windows[1].first && a < windows[1].second);
        if (near) {
            for (std::int64_t x = a; x < b; ++x) take(x, inside(x));
        } else {
            take(a, test.InsideAway(static_cast<double>(a), crossing[0], crossing[1]));
        }
    }
    finish();
}

bool InRect(PointD p, const RectD& r) {
    return p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
}

// The short steps of whole pixels, at most kMostStep each way, that a polyline's
// segments mostly are (a wave's arcs are drawn through points two to eight pixels apart).
constexpr int kMostStep = 8;
constexpr int kStepSide = 2 * kMostStep + 1;
constexpr std::size_t kShortSteps = static_cast<std::size_t>(kStepSide) * kStepSide;
// The index of step (dx, dy) among the short steps, or none.
std::optional<std::size_t> ShortStep(double dx, double dy) {
    if (!(std::abs(dx) <= kMostStep && std::abs(dy) <= kMostStep && dx == std::floor(dx) &&
          dy == std::floor(dy)))
        return std::nullopt;
    return static_cast<std::size_t>((static_cast<int>(dx) + kMostStep) * kStepSide +
                                    static_cast<int>(dy) + kMostStep);
}

// The wide pen's half width across each segment of a path, (-dy, dx) / |(dx, dy)| * h,
// none for a segment of no length; for the short steps worked out once a path, the same
// doubles each time.
class SegmentNormals {
public:
    explicit SegmentNormals(double h) : h_(h) {}

    std::optional<PointD> Of(double dx, double dy) {
        const std::optional<std::size_t> step = ShortStep(dx, dy);
        if (!step) return Across(dx, dy);
        if (!known_[*step]) {
            known_[*step] = true;
            normals_[*step] = Across(dx, dy);
        }
        return normals_[*step];
    }

private:
    std::optional<PointD> Across(double dx, double dy) const {
        const double len = std::hypot(dx, dy);
        if (len < 1e-12) return std::nullopt;
        return PointD{-dy / len * h_, dx / len * h_};
    }

    double h_;
    std::array<bool, kShortSteps> known_{};
    std::array<std::optional<PointD>, kShortSteps> normals_;
};

// A wide pen's whole ellipse draws the same pixels, moved, wherever its box lies, as long
// as the work stays among numbers of one binade: there the doubles are whole multiples of
// one step, and moving every position by a whole pixel moves every sum and its rounding
// with it (ties too, a pixel being an even number of steps); differences of positions,
// which are exact there, and everything worked from them (the arc's offsets, the
// normals, the square roots) do not change at all. So the marks of one such ellipse can
// be kept and put down again for another of the same size and pen in the same binades,
// which a shower of drops draws hundreds of.
struct OutlineKey {
    int width = 0, height = 0;  // the box's, pixels
    int penWidth = 0;
    int binadeX = 0, binadeY = 0;  // the bit widths of every position of the work
    friend bool operator==(const OutlineKey&, const OutlineKey&) = default;
};

// The bit width shared by the whole numbers lo .. hi (lo >= 1), so by every position
// between them, or 0 where they differ.
int Binade(std::int64_t lo, std::int64_t hi) {
    const auto bits = std::bit_width(static_cast<std::uint64_t>(lo));
    return bits == std::bit_width(static_cast<std::uint64_t>(hi)) ? static_cast<int>(bits) : 0;
}

// How far beyond its box the work on a wide pen's ellipse reaches (the pen, the even
// pen's half-pixel shift, the disc's and the clipping's margins), pixels.
int OutlineReach(int penWidth) {
    return penWidth + 4;
}

// The key of a wide pen's whole ellipse in box e on a w x h picture, or none where its
// marks cannot be used again: the work must lie in the picture (so that nothing is
// clipped) and at positions of one binade each way, from 1 on.
std::optional<OutlineKey> OutlineKeyOf(const EllipseBox& e, int penWidth, int w, int h) {
    const std::int64_t reach = OutlineReach(penWidth);
    const std::int64_t left = e.x1 - reach, right = e.x2 + reach;
    const std::int64_t top = e.y1 - reach, bottom = e.y2 + reach;
    if (left < 1 || top < 1 || right >= w || bottom >= h) return std::nullopt;
    const int bx = Binade(left, right), by = Binade(top, bottom);
    if (bx == 0 || by == 0) return std::nullopt;
    return OutlineKey{e.x2 - e.x1, e.y2 - e.y1, penWidth, bx, by};
}

// The kept marks of a wide pen's quadrilaterals along short segments between whole
// pixels, with the disc at the segment's end, as row spans from the segment's start, by
// direction, pen and binades (moved by whole pixels they stay the same, as a kept ellipse
// does): the wavelets of a clock tick are thousands of such segments in a few directions.
class SegmentStamps {
public:
    using Span = std::array<int, 3>;  // row, first and last column from the start

    // The key of segment a -> b on a w x h picture, or none where its marks cannot be
    // kept: a short step from a whole pixel, and the work in the picture and in one
    // binade each way.
    static std::optional<std::uint64_t> KeyOf(PointD a, PointD b, int penWidth, int w, int h) {
        const std::optional<std::size_t> step = ShortStep(b.x - a.x, b.y - a.y);
        if (!step || a.x != std::floor(a.x) || a.y != std::floor(a.y)) return std::nullopt;
        const std::int64_t reach = OutlineReach(penWidth) + kMostStep;
        const auto x = static_cast<std::int64_t>(a.x), y = static_cast<std::int64_t>(a.y);
        if (x - reach < 1 || y - reach < 1 || x + reach >= w || y + reach >= h) return std::nullopt;
        const int bx = Binade(x - reach, x + reach), by = Binade(y - reach, y + reach);
        if (bx == 0 || by == 0) return std::nullopt;
        return ((static_cast<std::uint64_t>(penWidth) * kShortSteps + *step) << 16) |
               static_cast<std::uint64_t>(bx << 8 | by);
    }

    // Spans recorded in the picture made relative to (x, y), those of a row that meet or
    // touch made one.
    static void Merge(std::vector<Span>& spans, int x, int y) {
        std::sort(spans.begin(), spans.end());
        std::size_t kept = 0;
        for (const Span& span : spans) {
            if (kept > 0 && spans[kept - 1][0] == span[0] && span[1] <= spans[kept - 1][2] + 1) {
                spans[kept - 1][2] = std::max(spans[kept - 1][2], span[2]);
            } else {
                spans[kept++] = span;
            }
        }
        spans.resize(kept);
        for (Span& span : spans) span = {span[0] - y, span[1] - x, span[2] - x};
    }

    const std::vector<Span>* Find(std::uint64_t key) const {
        if (entries_.empty()) return nullptr;
        const Entry& entry = entries_[Slot(key)];
        return entry.key == key ? &entry.spans : nullptr;
    }
    // An empty list of spans kept under the key, in place of any other in its slot.
    std::vector<Span>& Add(std::uint64_t key) {
        if (entries_.empty()) entries_.resize(std::size_t{1} << kSlotBits);
        Entry& entry = entries_[Slot(key)];
        entry.key = key;
        entry.spans.clear();
        return entry.spans;
    }

private:
    static constexpr int kSlotBits = 12;

    // A slot by the key's hash, each key in one slot: a look-up is one of every segment.
    static std::size_t Slot(std::uint64_t key) {
        return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15u) >> (64 - kSlotBits));
    }

    struct Entry {
        std::uint64_t key = kNoKey;
        std::vector<Span> spans;
    };
    static constexpr std::uint64_t kNoKey = ~std::uint64_t{0};  // no segment's key
    std::vector<Entry> entries_;                                // made at the first segment kept
};

// The sampled offsets of the last few wide-pen arcs, by everything they depend on. A
// picture draws many equal circles (a shower of drops), and each would otherwise take
// its sines and cosines anew; a point made from a kept offset is the same double.
class ArcOffsetCache {
public:
    const std::vector<PointD>& Offsets(double a, double b, double t0, double sweep, int count) {
        const std::array<std::uint64_t, 5> key{Bits(a), Bits(b), Bits(t0), Bits(sweep),
                                               static_cast<std::uint64_t>(count)};
        for (const Entry& entry : entries_)
            if (entry.key == key) return entry.offsets;
        Entry& entry = entries_[next_];
        next_ = (next_ + 1) % entries_.size();
        entry.key = key;
        canvas_internal::ArcOffsets(a, b, t0, sweep, count, entry.offsets);
        return entry.offsets;
    }

private:
    static std::uint64_t Bits(double v) { return std::bit_cast<std::uint64_t>(v); }

    struct Entry {
        std::array<std::uint64_t, 5> key{};  // a, b, t0 and sweep bit for bit, count
        std::vector<PointD> offsets;         // a new entry (count 0) is never asked for
    };
    std::array<Entry, 8> entries_{};
    std::size_t next_ = 0;
};

}  // namespace

// The coverage of one figure. The outline's pixels are marked (one bit a pixel, a 64-bit
// word for each 8 x 8 tile, so that steep lines stay in few words), the words listed,
// and when the figure ends each marked pixel is combined with the pen once and the marks
// cleared. Interior spans are combined with the brush as they come, skipping marked
// pixels, so the outline lies over the fill and no pixel is combined twice. Nothing proportional to
// the picture or to the figure's box is cleared or scanned.
class RasterCanvas::Figure {
public:
    void Start(QImage& image, std::uint32_t penColour, TPenMode mode) {
        w_ = image.width();
        h_ = image.height();
        stride_ = static_cast<int>(image.bytesPerLine() / 4);
        tilesPerRow_ = (static_cast<std::size_t>(w_) + 7) / 8;
        const std::size_t size = tilesPerRow_ * ((static_cast<std::size_t>(h_) + 7) / 8);
        if (mask_.size() != size) mask_.assign(size, 0);
        bits_ = w_ > 0 && h_ > 0 ? reinterpret_cast<std::uint32_t*>(image.bits()) : nullptr;
        pen_ = penColour;
        mode_ = mode;
    }

    int W() const { return w_; }
    int H() const { return h_; }
    bool Usable() const { return bits_ != nullptr; }

    // Pixel (x, y) of the picture, which must lie in it.
    [[gnu::always_inline]] std::uint32_t& Pixel(int x, int y) {
        return bits_[static_cast<std::size_t>(y) * static_cast<std::size_t>(stride_) +
                     static_cast<std::size_t>(x)];
    }

    // Marks (x, y); Finish combines the marked pixels with the pen, each once.
    [[gnu::always_inline]] void Mark(int x, int y) {
        const std::size_t tile = Tile(x, y);
        std::uint64_t& word = mask_[tile];
        if (word == 0) marked_.push_back(static_cast<std::uint32_t>(tile));
        word |= Bit(x, y);
    }

    // Marks the pixels x0..x1 of row y, which lie in the picture, a tile's row of 8 at a
    // time. The wide pens' discs and quadrilaterals overlap many times over.
    void MarkSpan(int y, int x0, int x1) {
        std::uint64_t* tiles = mask_.data() + static_cast<std::size_t>(y >> 3) * tilesPerRow_;
        const int shift = (y & 7) * 8;
        for (int x = x0; x <= x1;) {
            const int tileEnd = std::min(x1, x | 7);
            const unsigned span = TileRowBits(x, tileEnd);
            std::uint64_t& word = tiles[x >> 3];
            if (word == 0) marked_.push_back(static_cast<std::uint32_t>(&word - mask_.data()));
            word |= std::uint64_t{span} << shift;
            x = tileEnd + 1;
        }
    }

    // Whether every pixel of columns x0..x1 (in the picture) of rows y0..y1 is marked.
    bool AllMarked(int x0, int x1, int y0, int y1) const {
        for (int y = y0; y <= y1; ++y) {
            const std::uint64_t* tiles =
                mask_.data() + static_cast<std::size_t>(y >> 3) * tilesPerRow_;
            const int shift = (y & 7) * 8;
            for (int x = x0; x <= x1;) {
                const int tileEnd = std::min(x1, x | 7);
                const unsigned span = TileRowBits(x, tileEnd);
                if (((tiles[x >> 3] >> shift) & span) != span) return false;
                x = tileEnd + 1;
            }
        }
        return true;
    }

    template <TPenMode Mode>
    void SolidPolylineInside(const TPoint* p, std::size_t count) {
        bool up = true, down = true;
        for (std::size_t i = 0; i + 1 < count; ++i) {
            up = up && p[i + 1].y <= p[i].y;
            down = down && p[i + 1].y >= p[i].y;
        }
        if (!up && !down) {
            StepPolyline(p, count, [this](int x, int y) { Mark(x, y); });
            return;
        }
        // A path that never turns back in y visits the pixels of a row one after another,
        // and those (8-connected) form one run of columns growing by one at a time: a
        // pixel met again lies in that run. No marks are needed.
        int row = -1, left = 0, right = -1;
        StepPolyline(p, count, [&](int x, int y) {
            if (y != row) {
                row = y;
                left = right = x;
            } else if (x >= left && x <= right) {
                return;
            } else {
                left = std::min(left, x);
                right = std::max(right, x);
            }
            std::uint32_t& px = Pixel(x, y);
            px = Combine(Mode, pen_, px);
        });
    }

    // Calls visit(x, y) for every pixel of the polyline in order, steps k = 0 .. kLast of
    // each segment along its major axis with the minor offset round-half-up of
    // k * minor / major, as VisitLine steps.
    template <class Visit>
    [[gnu::always_inline]] static void StepPolyline(const TPoint* p, std::size_t count,
                                                    Visit&& visit) {
        for (std::size_t i = 0; i + 1 < count; ++i) {
            const int dx = p[i + 1].x - p[i].x;
            const int dy = p[i + 1].y - p[i].y;
            const int adx = dx < 0 ? -dx : dx;
            const int ady = dy < 0 ? -dy : dy;
            const bool xMajor = adx >= ady;
            const int n = xMajor ? adx : ady;
            const int m = xMajor ? ady : adx;
            const int kLast = i + 2 == count ? n : n - 1;
            const int twoN = n > 0 ? 2 * n : 1;
            const int stepX = dx < 0 ? -1 : 1;
            const int stepY = dy < 0 ? -1 : 1;
            int x = p[i].x;
            int y = p[i].y;
            int r = n;
            for (int k = 0; k <= kLast; ++k) {
                visit(x, y);
                r += 2 * m;
                const bool minorStep = r >= twoN;
                if (minorStep) r -= twoN;
                if (xMajor) {
                    x += stepX;
                    if (minorStep) y += stepY;
                } else {
                    y += stepY;
                    if (minorStep) x += stepX;
                }
            }
        }
    }

    bool Marked(std::int64_t x, std::int64_t y) const {
        return (mask_[Tile(x, y)] & Bit(x, y)) != 0;
    }

    // A one-pixel line; the end pixel only if includeEnd. The dash pattern starts at
    // `phase` and phase advances by the steps of the line. A line alone in its figure
    // (`alone`) never meets itself and is combined without marks.
    void ThinLine(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
                  bool includeEnd, const DashMask& dash, std::int64_t& phase, bool alone = false) {
        const std::int64_t n = std::max(std::llabs(x1 - x0), std::llabs(y1 - y0));
        const std::int64_t kLast = includeEnd ? n : n - 1;
        const std::int64_t p0 = phase;
        phase += n;
        // The solid pen, the common case (every wavelet of a clock tick), with no test
        // per pixel but the marks.
        if (dash.period <= 1 && !alone) {
            VisitLine(x0, y0, x1, y1, kLast, w_, h_,
                      [this](int x, int y, std::int64_t) { Mark(x, y); });
            return;
        }
        if (dash.period <= 1) {  // alone: combined as it is met
            WithMode([&](auto mode) {
                VisitLine(x0, y0, x1, y1, kLast, w_, h_, [&](int x, int y, std::int64_t) {
                    std::uint32_t& px = Pixel(x, y);
                    px = Combine(decltype(mode)::value, pen_, px);
                });
            });
            return;
        }
        auto plot = [&](int x, int y, std::int64_t k) {
            if (dash.period > 1 && !dash.on[static_cast<std::size_t>((p0 + k) % dash.period)])
                return;
            if (alone) {
                std::uint32_t& px = Pixel(x, y);
                px = Combine(mode_, pen_, px);
            } else {
                Mark(x, y);
            }
        };
        VisitLine(x0, y0, x1, y1, kLast, w_, h_, plot);
    }

    // A solid one-pixel polyline whose points all lie in the picture: the same pixels as
    // ThinLine gives segment by segment (each without its end pixel but the last), with
    // no clipping, no dash test and the pen mode fixed for the whole path. The clock
    // ticks of the grating draw thousands of two-pixel segments this way.
    void SolidPolylineInside(const TPoint* p, std::size_t count) {
        WithMode([&](auto mode) { SolidPolylineInside<decltype(mode)::value>(p, count); });
    }

    // Calls fn with the pen mode as a compile-time constant, so that loops over pixels
    // combine without a switch per pixel.
    template <class Fn>
    void WithMode(Fn&& fn) {
        switch (mode_) {
            case pmCopy:
                return fn(std::integral_constant<TPenMode, pmCopy>{});
            case pmNotXor:
                return fn(std::integral_constant<TPenMode, pmNotXor>{});
            case pmXor:
                return fn(std::integral_constant<TPenMode, pmXor>{});
            case pmMask:
                return fn(std::integral_constant<TPenMode, pmMask>{});
            case pmMerge:
                return fn(std::integral_constant<TPenMode, pmMerge>{});
        }
    }

    // A wide pen along a path: a quadrilateral per segment and a disc per vertex (round
    // caps and joins), everything clipped to the picture first.
    void WidePath(const PointD* p, std::size_t n, bool closed, int width) {
        if (n == 0) return;
        const double h = width / 2.0;
        const bool even = width % 2 == 0;
        const RectD r{-h - 2.0, -h - 2.0, w_ - 1.0 + h + 2.0, h_ - 1.0 + h + 2.0};
        // The disc about an integer point, as row spans, for the integer vertices.
        stamp_.clear();
        DiscSpans({0.0, 0.0}, h, even, [&](int j, int i0, int i1) {
            stamp_.push_back({j, i0, i1});
        });
        // The segments whose marks are kept (SegmentStamps), with the disc at their end.
        const std::size_t segments = closed && n > 2 ? n : n - 1;
        segmentKeys_.resize(segments);
        for (std::size_t i = 0; i < segments; ++i)
            segmentKeys_[i] = SegmentStamps::KeyOf(p[i], p[(i + 1) % n], width, w_, h_);
        for (std::size_t i = 0; i < n; ++i) {
            const std::size_t before = i > 0 ? i - 1 : n - 1;  // the segment ending here
            if (before < segments && segmentKeys_[before]) continue;
            Disc(p[i], r, h, even);
        }
        SegmentNormals normals(h);
        for (std::size_t i = 0; i < segments; ++i) {
            const PointD a = p[i];
            const PointD b = p[(i + 1) % n];
            const std::optional<std::uint64_t> key = segmentKeys_[i];
            if (!key) {
                Quad(a, b, r, normals, nullptr);
                continue;
            }
            const auto x = static_cast<int>(a.x), y = static_cast<int>(a.y);
            if (const auto* spans = segmentStamps_.Find(*key)) {
                for (const auto& [dy, x0, x1] : *spans) MarkSpan(y + dy, x + x0, x + x1);
                continue;
            }
            auto& record = segmentStamps_.Add(*key);
            Quad(a, b, r, normals, &record);
            const auto bx = static_cast<int>(b.x), by = static_cast<int>(b.y);
            for (const auto& [dy, x0, x1] : stamp_) {  // in the picture, as the key demands
                MarkSpan(by + dy, bx + x0, bx + x1);
                record.push_back({by + dy, bx + x0, bx + x1});
            }
            SegmentStamps::Merge(record, x, y);
        }
    }

    // The disc of a wide pen about a vertex, if it lies in the clip box r.
    void Disc(PointD c, const RectD& r, double h, bool even) {
        if (!InRect(c, r)) return;
        if (c.x == std::floor(c.x) && c.y == std::floor(c.y)) {
            const int px = static_cast<int>(c.x);
            const int py = static_cast<int>(c.y);
            for (const auto& span : stamp_) {
                const int j = py + span[0];
                if (j < 0 || j >= h_) continue;
                MarkSpan(j, std::max(0, px + span[1]), std::min(w_ - 1, px + span[2]));
            }
        } else {
            DiscSpans(c, h, even, [&](int j, int i0, int i1) {
                if (j < 0 || j >= h_) return;
                MarkSpan(j, std::max(0, i0), std::min(w_ - 1, i1));
            });
        }
    }

    // The quadrilateral of a wide pen along segment a -> b, clipped to r; its row spans
    // are added to `record` where given.
    void Quad(PointD a, PointD b, const RectD& r, SegmentNormals& normals,
              std::vector<SegmentStamps::Span>* record) {
        double t0 = 0.0;
        double t1 = 1.0;
        // A segment within the clip box keeps t0 = 0 and t1 = 1, as clipping gives them.
        const bool within = InRect(a, r) && InRect(b, r);
        if (!within && !canvas_internal::ClipSegment(a, b, r, t0, t1)) return;
        const PointD ca{a.x + t0 * (b.x - a.x), a.y + t0 * (b.y - a.y)};
        const PointD cb{a.x + t1 * (b.x - a.x), a.y + t1 * (b.y - a.y)};
        const std::optional<PointD> across = normals.Of(b.x - a.x, b.y - a.y);
        if (!across) return;
        const PointD nrm = *across;
        const std::array<PointD, 4> quad{{{ca.x + nrm.x, ca.y + nrm.y},
                                          {cb.x + nrm.x, cb.y + nrm.y},
                                          {cb.x - nrm.x, cb.y - nrm.y},
                                          {ca.x - nrm.x, ca.y - nrm.y}}};
        Convex(quad, record);
    }

    // Pixels whose centre lies in the disc, its edge included. The disc of an even pen
    // width is moved half a pixel up and left, as the top-left rule moves the pen's
    // sides: a 2-pixel pen covers the rows y-1 and y of a horizontal line at y.
    template <class Fn>
    static void DiscSpans(PointD c, double r, bool evenWidth, Fn&& fn) {
        if (evenWidth) {
            c.x -= 0.5;
            c.y -= 0.5;
        }
        const double r2 = r * r + 1e-9;
        const int j0 = static_cast<int>(std::ceil(c.y - r - 1e-9));
        const int j1 = static_cast<int>(std::floor(c.y + r + 1e-9));
        for (int j = j0; j <= j1; ++j) {
            const double dy = j - c.y;
            const double s2 = r2 - dy * dy;
            if (s2 < 0.0) continue;
            const double s = std::sqrt(s2);
            fn(j, static_cast<int>(std::ceil(c.x - s)), static_cast<int>(std::floor(c.x + s)));
        }
    }

    // Pixels whose centre lies in a convex quadrilateral (top-left rule); coordinates near
    // the picture. Its row spans are added to `record` where given.
    void Convex(const std::array<PointD, 4>& p, std::vector<SegmentStamps::Span>* record) {
        constexpr std::size_t n = 4;
        // Each edge that is not horizontal, with its rows' range, worked out once.
        struct Edge {
            PointD a;
            double dx, dy, ylo, yhi;
        };
        std::array<Edge, n> edges{};
        std::size_t edgeCount = 0;
        double ymin = p[0].y;
        double ymax = p[0].y;
        for (std::size_t i = 0; i < n; ++i) {
            ymin = std::min(ymin, p[i].y);
            ymax = std::max(ymax, p[i].y);
            const PointD a = p[i];
            const PointD b = p[(i + 1) % n];
            if (a.y == b.y) continue;
            edges[edgeCount++] = {a, b.x - a.x, b.y - a.y, std::min(a.y, b.y), std::max(a.y, b.y)};
        }
        const int j0 = std::max(0, static_cast<int>(std::ceil(ymin)));
        const int j1 = std::min(h_ - 1, static_cast<int>(std::ceil(ymax)) - 1);
        if (j0 > j1) return;
        // A quadrilateral among others of a path (and their discs) mostly adds nothing:
        // when every pixel of its box is marked, its crossings need not be worked out.
        // The box reaches a millionth of a pixel beyond the corners, far more than the
        // rounding of any crossing.
        const auto [xmin, xmax] = std::minmax({p[0].x, p[1].x, p[2].x, p[3].x});
        constexpr double kSlack = 1e-6;  // pixels
        const int boxLeft = static_cast<int>(std::max(0.0, std::ceil(xmin - kSlack)));
        const int boxRight = static_cast<int>(std::min(w_ - 1.0, std::ceil(xmax + kSlack) - 1.0));
        if (record == nullptr && AllMarked(boxLeft, boxRight, j0, j1)) return;
        // The pixels of row j, first and last (none when first > last).
        auto rowSpan = [&](int j) {
            double xl = std::numeric_limits<double>::infinity();
            double xr = -xl;
            for (std::size_t e = 0; e < edgeCount; ++e) {
                const Edge& edge = edges[e];
                if (j < edge.ylo || j > edge.yhi) continue;
                const double x = edge.a.x + (j - edge.a.y) * edge.dx / edge.dy;
                xl = std::min(xl, x);
                xr = std::max(xr, x);
            }
            if (!(xl < xr)) return std::pair{1, 0};
            return std::pair{static_cast<int>(std::max(0.0, std::ceil(xl))),
                             static_cast<int>(std::min(w_ - 1.0, std::ceil(xr) - 1.0))};
        };
        // An upright rectangle (a horizontal or vertical line's) meets every row at its
        // two sides alike, at their x exactly: the first row's span is every row's. A
        // picture's long vertical lines are a thousand rows.
        const bool upright = std::all_of(
            edges.begin(), edges.begin() + static_cast<std::ptrdiff_t>(edgeCount),
            [&](const Edge& e) { return e.dx == 0.0 && e.ylo == ymin && e.yhi == ymax; });
        const std::pair<int, int> first = rowSpan(j0);
        for (int j = j0; j <= j1; ++j) {
            const auto [i0, i1] = upright ? first : rowSpan(j);
            if (i0 > i1) continue;
            MarkSpan(j, i0, i1);
            if (record != nullptr) record->push_back({j, i0, i1});
        }
    }

    // Combines the unmarked pixels x0..x1 of row y with the brush colour (hatch lines
    // only for a hatched brush). The span is clipped here.
    void FillSpan(std::int64_t y, std::int64_t x0, std::int64_t x1, std::uint32_t colour,
                  bool hatch) {
        if (y < 0 || y >= h_) return;
        x0 = std::max<std::int64_t>(x0, 0);
        x1 = std::min<std::int64_t>(x1, w_ - 1);
        if (x0 > x1) return;
        if (mode_ == pmCopy && !hatch && marked_.empty()) {
            // Nothing marked yet: a fill before its outline, at the speed of writing memory.
            std::uint32_t* row =
                bits_ + static_cast<std::size_t>(y) * static_cast<std::size_t>(stride_);
            std::fill(row + x0, row + x1 + 1, colour);
            return;
        }
        WithMode([&](auto mode) {
            FillRow<decltype(mode)::value>(static_cast<int>(y), static_cast<int>(x0),
                                           static_cast<int>(x1), colour, hatch);
        });
    }

    // Ends the figure: combines every marked pixel with the pen, once, and clears the
    // marks and the sector's runs. The pixels are combined here, tile by tile, rather than
    // as they are marked: their loads then wait neither on one another nor on the
    // figure's arithmetic, and a large picture's pixels are mostly not in the cache.
    void Finish() {
        WithMode([&](auto mode) {
            for (const std::uint32_t tile : marked_) {
                std::uint32_t* corner = &Pixel(static_cast<int>(tile % tilesPerRow_) * 8,
                                               static_cast<int>(tile / tilesPerRow_) * 8);
                for (std::uint64_t word = std::exchange(mask_[tile], 0); word != 0;
                     word &= word - 1) {
                    const int bit = std::countr_zero(word);
                    std::uint32_t& px = corner[(bit >> 3) * stride_ + (bit & 7)];
                    px = Combine(decltype(mode)::value, pen_, px);
                }
            }
        });
        for (std::vector<std::uint32_t>* log : tileLogs_)
            if (log != nullptr) log->insert(log->end(), marked_.begin(), marked_.end());
        marked_.clear();
        sectorRuns_ = false;
    }

    // The lists that Finish adds the figure's marked tiles to (either may be null); its
    // tiles are numbered as the changed tiles are, 8 x 8 pixels a word.
    void LogTilesTo(std::vector<std::uint32_t>* changed, std::vector<std::uint32_t>* log) {
        tileLogs_ = {changed, log};
    }

    // Row spans of the ellipse area for its rows among -1 .. H, clamped to [-2, W + 1];
    // every other row is empty. Every row of the box holds at least its centre pixels
    // and the middle rows the whole width, so the figure always reaches the edges of its
    // box. Only the box's own rows are worked on, however small the ellipse.
    // Only rows first .. last (the rows a sector can reach) are asked for afterwards;
    // rows beyond them may hold spans or be empty. The spans of the figure before are
    // kept: a ring of sectors of one ellipse works out its rows once.
    void EllipseSpans(const EllipseBox& e, std::int64_t first, std::int64_t last) {
        const std::array<int, 6> key{e.x1, e.y1, e.x2, e.y2, w_, h_};
        const std::int64_t lo = std::max<std::int64_t>({e.y1, -1, first});
        const std::int64_t hi =
            std::min<std::int64_t>({static_cast<std::int64_t>(e.y2) - 1, h_, last});
        const bool sameEllipse = spansValid_ && key == spansKey_;
        if (sameEllipse && lo >= spanLo_ && hi <= spanHi_) return;
        spansKey_ = key;
        spansValid_ = true;
        spanLo_ = sameEllipse ? std::max<std::int64_t>(e.y1, -1) : lo;
        spanHi_ =
            sameEllipse ? std::min<std::int64_t>(static_cast<std::int64_t>(e.y2) - 1, h_) : hi;
        const std::size_t rows =
            spanLo_ <= spanHi_ ? static_cast<std::size_t>(spanHi_ - spanLo_ + 1) : 0;
        spanL_.resize(rows);
        spanR_.resize(rows);
        const double maxX = w_ + 1.0;
        auto clampX = [&](double v) {
            return static_cast<std::int64_t>(std::clamp(v, -2.0, maxX));
        };
        for (std::int64_t j = spanLo_; j <= spanHi_; ++j) {
            const double dy = static_cast<double>(j) - e.cy;
            const double t = 1.0 - (dy / e.B) * (dy / e.B);
            const double s = e.A * std::sqrt(std::max(t, 0.0));
            double l = std::ceil(e.cx - s - 1e-9);
            double r = std::floor(e.cx + s + 1e-9);
            if (l > r) {
                l = std::floor(e.cx);
                r = std::ceil(e.cx);
            }
            if (j == static_cast<std::int64_t>(std::floor(e.cy)) ||
                j == static_cast<std::int64_t>(std::ceil(e.cy))) {
                l = e.x1;
                r = e.x2 - 1.0;
            }
            spanL_[static_cast<std::size_t>(j - spanLo_)] = clampX(l);
            spanR_[static_cast<std::size_t>(j - spanLo_)] = clampX(r);
        }
    }
    std::int64_t SpanL(std::int64_t j) const {
        return j >= spanLo_ && j <= spanHi_ ? spanL_[static_cast<std::size_t>(j - spanLo_)] : 1;
    }
    std::int64_t SpanR(std::int64_t j) const {
        return j >= spanLo_ && j <= spanHi_ ? spanR_[static_cast<std::size_t>(j - spanLo_)] : 0;
    }

    // Visits the visible border pixels of the ellipse area (those with a 4-neighbour
    // outside it): a one-pixel, 8-connected outline.
    // Only rows first .. last are visited.
    // With sector runs recorded (RecordSectorRuns), only the border pixels within the
    // sector's runs of their row are visited: no other can lie in the sector.
    template <class Fn>
    void VisitEllipseBorder(std::int64_t fromRow, std::int64_t toRow, Fn&& fn) const {
        const int first = static_cast<int>(std::max<std::int64_t>({spanLo_, 0, fromRow}));
        const int last = static_cast<int>(std::min<std::int64_t>({spanHi_, h_ - 1, toRow}));
        for (int j = first; j <= last; ++j) {
            const std::int64_t l = SpanL(j);
            const std::int64_t r = SpanR(j);
            if (l > r) continue;
            const std::int64_t a = std::max({l + 1, SpanL(j - 1), SpanL(j + 1)});
            const std::int64_t b = std::min({r - 1, SpanR(j - 1), SpanR(j + 1)});
            auto pixels = [&](std::int64_t x0, std::int64_t x1) {
                for (std::int64_t x = x0; x <= x1; ++x) fn(static_cast<int>(x), j);
            };
            auto run = [&](std::int64_t x0, std::int64_t x1) {
                x0 = std::max<std::int64_t>(x0, 0);
                x1 = std::min<std::int64_t>(x1, w_ - 1);
                if (!HasSectorRunsOf(j)) return pixels(x0, x1);
                for (const auto& [s0, s1] : SectorRunsOf(j))
                    pixels(std::max(x0, s0), std::min(x1, s1));
            };
            if (a > b) {
                run(l, r);
            } else {
                run(l, a - 1);
                run(b + 1, r);
            }
        }
    }

    // A sector's runs of pixels for the rows first .. last: AddSectorRun for each run and
    // EndSectorRow for each row, in the order of the rows.
    void RecordSectorRuns(int first, int last) {
        sectorRuns_ = true;
        runsFirstRow_ = first;
        runs_.clear();
        rowRunEnds_.assign(static_cast<std::size_t>(std::max(last - first + 1, 0)), 0);
    }
    void AddSectorRun(int y, std::int64_t a, std::int64_t b) {
        runs_.emplace_back(a, b);
        rowRunEnds_[static_cast<std::size_t>(y - runsFirstRow_)] = runs_.size();
    }
    void EndSectorRow(int y) {  // a row with no runs keeps the end of the row before
        const auto i = static_cast<std::size_t>(y - runsFirstRow_);
        if (rowRunEnds_[i] == 0 && i > 0) rowRunEnds_[i] = rowRunEnds_[i - 1];
    }
    bool HasSectorRunsOf(int y) const {
        return sectorRuns_ && y >= runsFirstRow_ &&
               static_cast<std::size_t>(y - runsFirstRow_) < rowRunEnds_.size();
    }
    std::span<const std::pair<std::int64_t, std::int64_t>> SectorRunsOf(int y) const {
        if (!HasSectorRunsOf(y)) return {};
        const auto i = static_cast<std::size_t>(y - runsFirstRow_);
        const std::size_t from = i > 0 ? rowRunEnds_[i - 1] : 0;
        return {runs_.data() + from, rowRunEnds_[i] - from};
    }

    std::vector<std::vector<double>>& RowCrossings() {
        if (rowX_.size() != static_cast<std::size_t>(h_))
            rowX_.resize(static_cast<std::size_t>(h_));
        return rowX_;
    }
    std::vector<std::pair<double, std::uint32_t>>& Ordered() { return ordered_; }
    std::vector<PointD>& Points() { return points_; }
    ArcOffsetCache& ArcOffsets() { return arcOffsets_; }

    // Marks a kept wide ellipse (OutlineKeyOf) with its box's corner at (x, y); false if
    // none is kept under the key.
    bool MarkKeptOutline(const OutlineKey& key, int x, int y) {
        const auto kept = std::find_if(outlines_.begin(), outlines_.end(),
                                       [&](const KeptOutline& o) { return o.key == key; });
        if (kept == outlines_.end()) return false;
        for (const auto& [dy, x0, x1] : kept->spans) MarkSpan(y + dy, x + x0, x + x1);
        return true;
    }
    // Keeps the marks so far, a wide ellipse's, with its box's corner at (x, y).
    void KeepOutline(const OutlineKey& key, int x, int y) {
        if (outlines_.size() < kKeptOutlines) outlines_.emplace_back();
        KeptOutline& kept = outlines_[nextOutline_];
        nextOutline_ = (nextOutline_ + 1) % kKeptOutlines;
        kept.key = key;
        kept.spans.clear();
        const int reach = OutlineReach(key.penWidth);
        for (int dy = -reach; dy < key.height + reach; ++dy) {
            for (int dx = -reach; dx < key.width + reach; ++dx) {
                if (!Marked(x + dx, y + dy)) continue;
                if (kept.spans.empty() || kept.spans.back()[0] != dy ||
                    kept.spans.back()[2] != dx - 1)
                    kept.spans.push_back({dy, dx, dx});
                else
                    kept.spans.back()[2] = dx;
            }
        }
    }

private:
    // Row y, x0..x1 inside the picture, a tile of 8 pixels at a time.
    template <TPenMode Mode>
    void FillRow(int y, int x0, int x1, std::uint32_t colour, bool hatch) {
        std::uint32_t* row =
            bits_ + static_cast<std::size_t>(y) * static_cast<std::size_t>(stride_);
        const std::uint64_t* tiles = mask_.data() + static_cast<std::size_t>(y >> 3) * tilesPerRow_;
        const int shift = (y & 7) * 8;
        // The hatch of this row as a bit per x & 7: (x - y) & 7 == 0 or (x + y) & 7 == 7.
        const unsigned hatchBits = hatch ? ((1u << (y & 7)) | (1u << ((7 - (y & 7)) & 7))) : 0xFFu;
        for (int x = x0; x <= x1;) {
            const int tileEnd = std::min(x1, x | 7);
            const unsigned skip = static_cast<unsigned>(tiles[x >> 3] >> shift) & 0xFFu;
            const unsigned draw = ~skip & hatchBits;
            if (draw == 0xFFu) {
                // The run of whole tiles that follow with no mark, all at once.
                int runEnd = tileEnd;
                if (!hatch) {
                    while (runEnd < x1 && ((tiles[(runEnd + 1) >> 3] >> shift) & 0xFFu) == 0)
                        runEnd = std::min(x1, runEnd + 8);
                }
                if constexpr (Mode == pmCopy) {
                    std::fill(row + x, row + runEnd + 1, colour);
                    x = runEnd + 1;
                } else {
                    for (; x <= runEnd; ++x) row[x] = Combine(Mode, colour, row[x]);
                }
            } else {
                for (; x <= tileEnd; ++x) {
                    if (draw & (1u << (x & 7))) row[x] = Combine(Mode, colour, row[x]);
                }
            }
        }
    }

    // The bits of pixels x0..x1 of one tile in a row of its word.
    static unsigned TileRowBits(int x0, int x1) {
        return (0xFFu << (x0 & 7)) & (0xFFu >> (7 - (x1 & 7)));
    }

    std::size_t Tile(std::int64_t x, std::int64_t y) const {
        return static_cast<std::size_t>(y >> 3) * tilesPerRow_ + static_cast<std::size_t>(x >> 3);
    }
    static std::uint64_t Bit(std::int64_t x, std::int64_t y) {
        return std::uint64_t{1} << (((y & 7) << 3) | (x & 7));
    }

    std::vector<std::uint64_t> mask_;
    std::size_t tilesPerRow_ = 0;
    std::vector<std::uint32_t> marked_;
    std::array<std::vector<std::uint32_t>*, 2> tileLogs_{};
    std::vector<std::int64_t> spanL_, spanR_;  // rows spanLo_ .. spanHi_
    std::int64_t spanLo_ = 0, spanHi_ = -1;
    std::array<int, 6> spansKey_{};  // the box and picture size the spans belong to
    bool spansValid_ = false;
    std::vector<std::vector<double>> rowX_;
    std::vector<std::pair<double, std::uint32_t>> ordered_;
    bool sectorRuns_ = false;
    int runsFirstRow_ = 0;
    std::vector<std::pair<std::int64_t, std::int64_t>> runs_;
    std::vector<std::size_t> rowRunEnds_;  // the end of each row's runs in runs_
    std::vector<PointD> points_;
    ArcOffsetCache arcOffsets_;
    SegmentStamps segmentStamps_;
    struct KeptOutline {
        OutlineKey key;
        std::vector<std::array<int, 3>> spans;  // row, first and last column from the corner
    };
    static constexpr std::size_t kKeptOutlines = 64;
    std::vector<KeptOutline> outlines_;
    std::size_t nextOutline_ = 0;
    std::vector<std::array<int, 3>> stamp_;
    std::vector<std::optional<std::uint64_t>> segmentKeys_;  // a path's, SegmentStamps::KeyOf
    std::uint32_t* bits_ = nullptr;
    std::uint32_t pen_ = 0;
    TPenMode mode_ = pmCopy;
    int w_ = 0;
    int h_ = 0;
    int stride_ = 0;
};

struct RasterCanvas::CachedFont {
    int pixelSize = -1;
    QFont font;
    std::optional<QFontMetrics> metrics;
};

// The regular and the bold font, each kept for its last pixel size: pictures that switch
// between the two for a heading do not make the font anew each time.
struct RasterCanvas::FontCache {
    std::array<CachedFont, 2> byWeight;  // [0] regular, [1] bold
};

namespace {

// A picture of at least this many bytes is kept in memory asked for in huge pages.
constexpr std::size_t kHugePage = std::size_t{2} << 20;

// An RGB32 picture, its pixels not yet set. A large one (a smooth drawing's is 6 MB) lies
// in huge pages where the system has them: with small ones every row of the picture is a
// page of its own, and a figure's pixels, combined row after row, waited more on finding
// their pages than on anything else.
QImage NewImage(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    const std::size_t rowBytes = static_cast<std::size_t>(width) * sizeof(std::uint32_t);
    const std::size_t bytes = rowBytes * static_cast<std::size_t>(height);
    if (bytes >= kHugePage && rowBytes <= INT_MAX) {
        const std::size_t whole = (bytes + kHugePage - 1) / kHugePage * kHugePage;
        if (void* pixels = std::aligned_alloc(kHugePage, whole)) {
            madvise(pixels, whole, MADV_HUGEPAGE);  // advice only: it may be declined
            return QImage(
                static_cast<uchar*>(pixels), width, height, static_cast<qsizetype>(rowBytes),
                QImage::Format_RGB32, [](void* p) { std::free(p); }, pixels);
        }
    }
#endif
    return QImage(width, height, QImage::Format_RGB32);
}

QImage WhiteImage(int width, int height) {
    QImage image = NewImage(width, height);
    image.fill(0xFFFFFFFFu);
    return image;
}

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

RasterCanvas::RasterCanvas(int width, int height)
    : image_(WhiteImage(width, height)),
      figure_(std::make_unique<Figure>()),
      font_(std::make_unique<FontCache>()) {}

RasterCanvas::RasterCanvas(const RgbImage& image)
    : image_(WhiteImage(image.Width, image.Height)),
      figure_(std::make_unique<Figure>()),
      font_(std::make_unique<FontCache>()) {
    for (int y = 0; y < image.Height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(image_.scanLine(y));
        for (int x = 0; x < image.Width; ++x) row[x] = kOpaque | SwapRB(image.At(x, y) & 0xFFFFFFu);
    }
}

RasterCanvas::RasterCanvas(const QImage& image)
    : image_(image.convertToFormat(QImage::Format_RGB32)),
      figure_(std::make_unique<Figure>()),
      font_(std::make_unique<FontCache>()) {}

RasterCanvas::~RasterCanvas() = default;

RgbImage RasterCanvas::ToRgbImage() const {
    RgbImage out;
    out.Width = image_.width();
    out.Height = image_.height();
    out.Pixels.resize(static_cast<std::size_t>(out.Width) * static_cast<std::size_t>(out.Height));
    const QImage source = image_.format() == QImage::Format_RGB32
                              ? image_
                              : image_.convertToFormat(QImage::Format_RGB32);
    std::size_t i = 0;
    for (int y = 0; y < out.Height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(source.constScanLine(y));
        for (int x = 0; x < out.Width; ++x) out.Pixels[i++] = SwapRB(row[x] & 0xFFFFFFu);
    }
    return out;
}

bool RasterCanvas::SavePng(const std::string& path) const {
    return image_.save(QString::fromStdString(path), "PNG");
}

void RasterCanvas::Changed(std::int64_t left, std::int64_t top, std::int64_t right,
                           std::int64_t bottom, bool tileByTile) {
    if (!tileByTile) {
        changedTilesExact_ = false;
        if (tileLog_ != nullptr) tileLog_->Exact = false;
    }
    const auto clampX = [&](std::int64_t v) {
        return static_cast<int>(std::clamp<std::int64_t>(v, 0, image_.width()));
    };
    const auto clampY = [&](std::int64_t v) {
        return static_cast<int>(std::clamp<std::int64_t>(v, 0, image_.height()));
    };
    const TRect box{clampX(std::min(left, right)), clampY(std::min(top, bottom)),
                    clampX(std::max(left, right)), clampY(std::max(top, bottom))};
    if (box.Left >= box.Right || box.Top >= box.Bottom) return;
    if (changed_.Left >= changed_.Right) {
        changed_ = box;
        return;
    }
    changed_ = {std::min(changed_.Left, box.Left), std::min(changed_.Top, box.Top),
                std::max(changed_.Right, box.Right), std::max(changed_.Bottom, box.Bottom)};
}

void RasterCanvas::FigureChanged(std::int64_t left, std::int64_t top, std::int64_t right,
                                 std::int64_t bottom, bool tileByTile) {
    const std::int64_t reach = std::max(Pen.Width, 1) / 2 + 2;  // pixels beyond the figure
    Changed(std::min(left, right) - reach, std::min(top, bottom) - reach,
            std::max(left, right) + reach + 1, std::max(top, bottom) + reach + 1, tileByTile);
}

TRect RasterCanvas::TakeChanged(std::vector<std::uint32_t>* tiles) {
    if (tiles != nullptr) {
        tiles->clear();
        if (changedTilesExact_) std::swap(*tiles, changedTiles_);
    }
    changedTiles_.clear();
    changedTilesExact_ = true;
    const TRect box = std::exchange(changed_, TRect{});
    const TRect clipped{std::max(box.Left, 0), std::max(box.Top, 0),
                        std::min(box.Right, image_.width()), std::min(box.Bottom, image_.height())};
    if (clipped.Left >= clipped.Right || clipped.Top >= clipped.Bottom) return {};
    return clipped;
}

RasterCanvas::Figure& RasterCanvas::BeginFigure() {
    if (image_.format() != QImage::Format_RGB32) image_.convertTo(QImage::Format_RGB32);
    figure_->Start(image_, SwapRB(Pen.Color), Pen.Mode);
    LetGoOfLongTileList();
    figure_->LogTilesTo(changedTilesExact_ ? &changedTiles_ : nullptr,
                        tileLog_ != nullptr && tileLog_->Exact ? &tileLog_->Tiles : nullptr);
    return *figure_;
}

namespace {

// Calls piece(points, count) for every dash of a wide pen of half-width h along the path,
// in the pattern `dash` with its runs `scale` times as long: each dash is the part of the
// path its run covers, shortened by h at both ends so that its round caps stay within the
// run (a run no longer than the pen is wide leaves a dot at its middle). Only the parts of
// the path within `box` are visited, so a path reaching far off the picture costs no more
// than its visible part; a dash over a joint comes in one piece per segment, joined round.
template <class Piece>
void ForEachDash(const PointD* path, std::size_t n, const canvas_internal::DashPattern& dash,
                 int scale, double h, const canvas_internal::RectD& box, Piece&& piece) {
    double period = 0;  // pixels
    for (int run = 0; run < dash.count; ++run) period += dash.runs[run] * scale;
    double along = 0;  // the arc length at the segment's start, pixels
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const PointD a = path[i], b = path[i + 1];
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        double t0 = 0.0, t1 = 1.0;
        if (length > 0.0 && canvas_internal::ClipSegment(a, b, box, t0, t1)) {
            const auto pointAt = [&](double s) {
                const double t = (s - along) / length;
                return PointD{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
            };
            const double from = along + t0 * length, to = along + t1 * length;
            // The dashes from the period that holds the segment's visible start.
            for (double start = std::floor(from / period) * period; start < to;) {
                for (int run = 0; run < dash.count && start < to; ++run) {
                    const double end = start + dash.runs[run] * scale;
                    if (run % 2 == 0) {
                        double p = start + h, q = end - h;
                        if (p > q) p = q = (start + end) / 2;
                        p = std::max(p, from), q = std::min(q, to);
                        if (p <= q) {
                            const PointD points[2] = {pointAt(p), pointAt(q)};
                            piece(points, p == q ? 1 : 2);
                        }
                    }
                    start = end;
                }
            }
        }
        along += length;
    }
}

// A wide pen along a path: solid, or in its dash pattern once the picture is drawn
// larger than its layout (smooth drawing, zoom: dashScale > 1), with the one-pixel pen's
// runs grown as the pen grew. At the layout's own size wide pens are solid, as always.
void WideOutline(RasterCanvas::Figure& f, const PointD* p, std::size_t n, bool closed,
                 const TPen& pen, int dashScale) {
    const canvas_internal::DashPattern* dash = canvas_internal::DashFor(pen.Style);
    if (dash == nullptr || dashScale <= 1 || n < 2) return f.WidePath(p, n, closed, pen.Width);
    std::vector<PointD> path(p, p + n);
    if (closed && n > 2) path.push_back(p[0]);
    // A path of no length is a dot, as a solid pen draws it.
    if (std::all_of(path.begin(), path.end(),
                    [&](PointD q) { return q.x == p[0].x && q.y == p[0].y; }))
        return f.WidePath(p, n, closed, pen.Width);
    const double h = pen.Width / 2.0;
    const canvas_internal::RectD box{-h - 2.0, -h - 2.0, f.W() - 1.0 + h + 2.0,
                                     f.H() - 1.0 + h + 2.0};
    ForEachDash(path.data(), path.size(), *dash, dashScale, h, box,
                [&](const PointD* piece, std::size_t count) {
                    f.WidePath(piece, count, false, pen.Width);
                });
}

}  // namespace

void RasterCanvas::LineTo(int x, int y) {
    const TPoint from = PenPos;
    PenPos = {x, y};
    if (Pen.Style == psClear) return;
    FigureChanged(from.x, from.y, x, y, Pen.Width > 1);  // a wide pen marks every pixel
    Figure& f = BeginFigure();
    if (!f.Usable()) return;
    if (Pen.Width <= 1) {
        std::int64_t phase = 0;
        f.ThinLine(from.x, from.y, x, y, false, MakeDashMask(canvas_internal::DashFor(Pen.Style)),
                   phase, true);
    } else {
        const PointD pts[2] = {{static_cast<double>(from.x), static_cast<double>(from.y)},
                               {static_cast<double>(x), static_cast<double>(y)}};
        WideOutline(f, pts, 2, false, Pen, DashScale());
    }
    f.Finish();
}

namespace {
// WideOutline along a path through pixel points.
void WideOutline(RasterCanvas::Figure& f, const TPoint* points, std::size_t count, bool closed,
                 const TPen& pen, int dashScale) {
    auto& pts = f.Points();
    pts.clear();
    for (std::size_t i = 0; i < count; ++i) pts.push_back({1.0 * points[i].x, 1.0 * points[i].y});
    WideOutline(f, pts.data(), pts.size(), closed, pen, dashScale);
}

// Whether every point lies in the picture of figure f.
template <class Figure>
bool Inside(const TPoint* points, std::size_t count, const Figure& f) {
    for (std::size_t i = 0; i < count; ++i)
        if (points[i].x < 0 || points[i].x >= f.W() || points[i].y < 0 || points[i].y >= f.H())
            return false;
    return true;
}

// The box of the points, inclusive, as left, top, right, bottom.
std::array<std::int64_t, 4> BoxOf(const TPoint* points, std::size_t count) {
    std::array<std::int64_t, 4> box{INT64_MAX, INT64_MAX, INT64_MIN, INT64_MIN};
    for (std::size_t i = 0; i < count; ++i) {
        box[0] = std::min<std::int64_t>(box[0], points[i].x);
        box[1] = std::min<std::int64_t>(box[1], points[i].y);
        box[2] = std::max<std::int64_t>(box[2], points[i].x);
        box[3] = std::max<std::int64_t>(box[3], points[i].y);
    }
    return box;
}
}  // namespace

void RasterCanvas::Polyline(const TPoint* points, std::size_t count) {
    if (count < 2 || Pen.Style == psClear) return;
    const auto box = BoxOf(points, count);
    FigureChanged(box[0], box[1], box[2], box[3], Pen.Width > 1);  // a wide pen marks every pixel
    Figure& f = BeginFigure();
    if (!f.Usable()) return;
    if (Pen.Width <= 1 && Pen.Style == psSolid && count > 2 && Inside(points, count, f)) {
        f.SolidPolylineInside(points, count);
    } else if (Pen.Width <= 1) {
        const DashMask dash = MakeDashMask(canvas_internal::DashFor(Pen.Style));
        std::int64_t phase = 0;
        // Each segment without its end pixel, which the next one starts with; the last
        // segment with it.
        for (std::size_t i = 0; i + 1 < count; ++i) {
            f.ThinLine(points[i].x, points[i].y, points[i + 1].x, points[i + 1].y, i + 2 == count,
                       dash, phase, count == 2);
        }
    } else {
        WideOutline(f, points, count, false, Pen, DashScale());
    }
    f.Finish();
}

namespace {
// The polygon's interior by the even-odd rule, pixel centres in: row y crosses the edges
// with ymin <= y < ymax; combined with the brush colour after the outline's marks.
void FillPolygon(RasterCanvas::Figure& f, const TPoint* points, std::size_t count,
                 std::uint32_t colour, bool hatch) {
    auto& rows = f.RowCrossings();
    const int h = f.H();
    int used0 = h;
    int used1 = -1;
    for (std::size_t i = 0; i < count; ++i) {
        const TPoint a = points[i];
        const TPoint b = points[(i + 1) % count];
        if (a.y == b.y) continue;
        const std::int64_t ylo = std::max<std::int64_t>(std::min(a.y, b.y), 0);
        const std::int64_t yhi =
            std::min<std::int64_t>(static_cast<std::int64_t>(std::max(a.y, b.y)) - 1, h - 1);
        const double slope = (static_cast<double>(b.x) - a.x) / (static_cast<double>(b.y) - a.y);
        for (std::int64_t y = ylo; y <= yhi; ++y) {
            rows[static_cast<std::size_t>(y)].push_back(a.x +
                                                        (static_cast<double>(y) - a.y) * slope);
        }
        if (ylo <= yhi) {
            used0 = std::min(used0, static_cast<int>(ylo));
            used1 = std::max(used1, static_cast<int>(yhi));
        }
    }
    const double maxX = f.W() + 1.0;
    for (int y = used0; y <= used1; ++y) {
        auto& xs = rows[static_cast<std::size_t>(y)];
        std::sort(xs.begin(), xs.end());
        for (std::size_t k = 0; k + 1 < xs.size(); k += 2) {
            const double x0 = std::clamp(std::ceil(xs[k]), -1.0, maxX);
            const double x1 = std::clamp(std::ceil(xs[k + 1]) - 1.0, -1.0, maxX);
            f.FillSpan(y, static_cast<std::int64_t>(x0), static_cast<std::int64_t>(x1), colour,
                       hatch);
        }
        xs.clear();
    }
}
}  // namespace

void RasterCanvas::Polygon(const TPoint* points, std::size_t count) {
    if (count < 2) return;
    const bool outline = Pen.Style != psClear;
    const bool fill = Brush.Style != bsClear && count >= 3;
    if (!outline && !fill) return;
    const auto box = BoxOf(points, count);
    FigureChanged(box[0], box[1], box[2], box[3]);
    Figure& f = BeginFigure();
    if (!f.Usable()) return;
    if (outline) {
        if (Pen.Width <= 1) {
            const DashMask dash = MakeDashMask(canvas_internal::DashFor(Pen.Style));
            std::int64_t phase = 0;
            for (std::size_t i = 0; i < count; ++i) {
                const TPoint a = points[i];
                const TPoint b = points[(i + 1) % count];
                f.ThinLine(a.x, a.y, b.x, b.y, false, dash, phase);
            }
        } else {
            WideOutline(f, points, count, true, Pen, DashScale());
        }
    }
    if (fill) FillPolygon(f, points, count, SwapRB(Brush.Color), Brush.Style == bsDiagCross);
    f.Finish();
}

void RasterCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    if (x1 == x2 || y1 == y2) return;
    const bool outline = Pen.Style != psClear;
    const bool fill = Brush.Style != bsClear;
    if (!outline && !fill) return;
    FigureChanged(x1, y1, x2, y2);
    Figure& f = BeginFigure();
    if (!f.Usable()) return;
    const std::int64_t r = static_cast<std::int64_t>(x2) - 1;
    const std::int64_t b = static_cast<std::int64_t>(y2) - 1;
    if (outline) {
        if (Pen.Width <= 1) {
            const DashMask dash = MakeDashMask(canvas_internal::DashFor(Pen.Style));
            std::int64_t phase = 0;
            f.ThinLine(x1, y1, r, y1, false, dash, phase);
            f.ThinLine(r, y1, r, b, false, dash, phase);
            f.ThinLine(r, b, x1, b, false, dash, phase);
            f.ThinLine(x1, b, x1, y1, false, dash, phase);
            if (r == x1 || b == y1) f.ThinLine(x1, y1, r, b, true, dash, phase);
        } else {
            const double rd = static_cast<double>(r);
            const double bd = static_cast<double>(b);
            const PointD pts[4] = {{1.0 * x1, 1.0 * y1}, {rd, 1.0 * y1}, {rd, bd}, {1.0 * x1, bd}};
            WideOutline(f, pts, 4, true, Pen, DashScale());
        }
    }
    if (fill) {
        const std::uint32_t colour = SwapRB(Brush.Color);
        const bool hatch = Brush.Style == bsDiagCross;
        const std::int64_t y0 = std::max<std::int64_t>(y1, 0);
        const std::int64_t yEnd = std::min<std::int64_t>(b, f.H() - 1);
        for (std::int64_t y = y0; y <= yEnd; ++y) f.FillSpan(y, x1, r, colour, hatch);
    }
    f.Finish();
}

void RasterCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    EllipticFigure(x1, y1, x2, y2, 0, 0, 0, 0, 0);
}

void RasterCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    EllipticFigure(x1, y1, x2, y2, x3, y3, x4, y4, 1);
}

void RasterCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    EllipticFigure(x1, y1, x2, y2, x3, y3, x4, y4, 2);
}

namespace {

// The directions of a range's two bounding rays, and a quick answer to whether a point
// lies in the range for points well away from both rays' lines.
struct SectorRays {
    SectorRays(const canvas_internal::AngleRange& range, const RayDirections& rays)
        : full(range.Full()),
          narrow(range.sweep <= canvas_internal::kPi),
          sinStart(rays.sinStart),
          cosStart(rays.cosStart),
          sinEnd(rays.sinEnd),
          cosEnd(rays.cosEnd) {}

    // In or out for (dx, dyDown) from the centre when both rays' lines lie more than half
    // a pixel away; none nearer, where only the test by angle decides.
    std::optional<bool> Quick(double dx, double dyDown) const {
        if (full) return true;
        const double px = dx, py = -dyDown;
        const double fromStart = cosStart * py - sinStart * px;  // left of the start ray's line
        const double beforeEnd = px * sinEnd - py * cosEnd;      // right of the end ray's line
        const double margin = 0.5 + 1e-8 * (std::abs(px) + std::abs(py));
        if (std::abs(fromStart) < margin || std::abs(beforeEnd) < margin) return std::nullopt;
        if (narrow) return fromStart > 0 && beforeEnd > 0;
        return !(fromStart < 0 && beforeEnd < 0);
    }

    bool full, narrow;
    double sinStart, cosStart, sinEnd, cosEnd;
};

// The rows a sector of the ellipse can reach: its arc's height is greatest at its ends or
// straight above or below the centre, and the centre's row is always reached. Three rows
// of margin cover the pixels whose centres lie just outside the area or near the rays.
std::pair<std::int64_t, std::int64_t> SectorRows(const EllipseBox& e,
                                                 const canvas_internal::AngleRange& range,
                                                 const RayDirections& rays, bool sector) {
    constexpr std::int64_t kAll = std::int64_t{1} << 40;
    if (!sector || range.Full()) return {-kAll, kAll};
    double up = 0.0, down = 0.0;  // pixels above and below the centre
    for (const auto& [cosTheta, sinTheta] :
         {std::pair{rays.cosStart, rays.sinStart}, std::pair{rays.cosEnd, rays.sinEnd}}) {
        const double c = cosTheta / e.A;
        const double s = sinTheta / e.B;
        const double height = sinTheta / std::sqrt(c * c + s * s);  // upwards
        up = std::max(up, height);
        down = std::max(down, -height);
    }
    if (range.Contains(canvas_internal::kPi / 2.0)) up = e.B;
    if (range.Contains(-canvas_internal::kPi / 2.0)) down = e.B;
    if (!std::isfinite(up) || !std::isfinite(down)) return {-kAll, kAll};
    return {static_cast<std::int64_t>(std::floor(e.cy - up)) - 3,
            static_cast<std::int64_t>(std::ceil(e.cy + down)) + 3};
}

// The outline of an ellipse, arc or pie with a wide pen: a closed or open path through
// points sampled along the curve.
void WideEllipticOutline(RasterCanvas::Figure& f, const EllipseBox& e, const AngleRange& range,
                         int kind, const TPen& pen, int dashScale) {
    double t0 = 0.0;
    double sweep = kTwoPi;
    if (!range.Full()) {
        t0 = canvas_internal::ParamFromDirection(e.a, e.b, range.start);
        const double t1 = canvas_internal::ParamFromDirection(e.a, e.b, range.start + range.sweep);
        sweep = std::fmod(t1 - t0, kTwoPi);
        if (sweep <= 0.0) sweep += kTwoPi;
    }
    const std::vector<PointD>& offsets =
        f.ArcOffsets().Offsets(e.a, e.b, t0, sweep, canvas_internal::ArcChordCount(e, sweep, 0.25));
    auto& pts = f.Points();
    pts.clear();
    if (kind == 2) pts.push_back({e.cx, e.cy});
    for (const PointD& o : offsets) pts.push_back({e.cx + o.x, e.cy - o.y});
    if (kind != 2 && range.Full()) pts.pop_back();  // closed: the last point is the first
    WideOutline(f, pts.data(), pts.size(), kind == 0 || kind == 2 || range.Full(), pen, dashScale);
}

// A filled sector's runs within each of the rows y0 .. y1b, found once: they are its area,
// and the only places its border can lie.
void RecordSectorArea(RasterCanvas::Figure& f, const EllipseBox& e, const AngleRange& range,
                      const RayDirections& directions, int y0, int y1b) {
    const int w = f.W();
    const SectorTest sector(range, directions);
    f.RecordSectorRuns(y0, y1b);
    for (int y = y0; y <= y1b; ++y) {
        const std::int64_t l = std::max<std::int64_t>(f.SpanL(y), 0);
        const std::int64_t r = std::min<std::int64_t>(f.SpanR(y), w - 1);
        if (l <= r) {
            SectorRuns(e, sector, y, l, r,
                       [&](std::int64_t a, std::int64_t b) { f.AddSectorRun(y, a, b); });
        }
        f.EndSectorRow(y);
    }
}

// Where a pie's arc ends at its two rays.
std::array<PointD, 2> PieArcEnds(const EllipseBox& e, const AngleRange& range,
                                 const RayDirections& directions) {
    auto endAt = [&](double theta, double cosTheta, double sinTheta) {
        const double t = range.Full()
                             ? canvas_internal::ParamFromDirection(e.a, e.b, theta)
                             : canvas_internal::ParamFromDirection(e.a, e.b, cosTheta, sinTheta);
        return canvas_internal::EllipsePoint(e, t);
    };
    return {endAt(range.start, directions.cosStart, directions.sinStart),
            endAt(range.start + range.sweep, directions.cosEnd, directions.sinEnd)};
}

// The visible border pixels of an arc, or of a pie's arc (its ends given), with an angle
// range or a dashed pen: marked as found, or kept in f.Ordered() in the order of the arc
// where the dashes or a pie's radii need it, then marked dash by dash.
void MarkArcBorder(RasterCanvas::Figure& f, const EllipseBox& e, const AngleRange& range,
                   const RayDirections& directions, const DashMask& dash,
                   const std::array<PointD, 2>* pieEnds, std::int64_t firstRow,
                   std::int64_t lastRow) {
    auto& ordered = f.Ordered();
    const int w = f.W();
    const SectorRays rays(range, directions);
    // A solid pen needs the pixels in the order of the arc only near a pie's two
    // ends, where its radii are joined to them; every other pixel is marked as
    // found, and one well inside the range takes no angle at all.
    const bool solid = dash.period <= 1;
    const std::size_t endCount = solid && pieEnds ? (range.Full() ? 1 : 2) : 0;
    auto nearEnd = [&](int x, int y) {
        for (std::size_t i = 0; i < endCount; ++i)
            if (!(std::abs(x - (*pieEnds)[i].x) > 2.0 || std::abs(y - (*pieEnds)[i].y) > 2.0))
                return true;
        return false;
    };
    f.VisitEllipseBorder(firstRow, lastRow, [&](int x, int y) {
        const std::optional<bool> quick = rays.Quick(x - e.cx, y - e.cy);
        if (quick && !*quick) return;
        const bool ordering = !solid || nearEnd(x, y);
        if (quick && !ordering) {
            f.Mark(x, y);
            return;
        }
        const double angle = canvas_internal::DirectionAngle(x - e.cx, y - e.cy);
        if (!range.Contains(angle)) return;
        if (!ordering) {
            f.Mark(x, y);
            return;
        }
        double offset = range.Offset(angle);
        if (offset > range.sweep) offset = 0.0;  // on the start ray
        ordered.emplace_back(offset, static_cast<std::uint32_t>(y) * static_cast<std::uint32_t>(w) +
                                         static_cast<std::uint32_t>(x));
    });
    std::sort(ordered.begin(), ordered.end());
    for (std::size_t k = 0; k < ordered.size(); ++k) {
        if (dash.on[k % static_cast<std::size_t>(dash.period)]) {
            f.Mark(static_cast<int>(ordered[k].second % static_cast<std::uint32_t>(w)),
                   static_cast<int>(ordered[k].second / static_cast<std::uint32_t>(w)));
        }
    }
}

// A pie's radii from the centre pixel nearest the middle of the sector to the border
// pixels at the ends of its arc (from f.Ordered()), the dashes going on from the arc's.
void DrawPieRadii(RasterCanvas::Figure& f, const EllipseBox& e, const AngleRange& range,
                  const std::array<PointD, 2>& arcEnds, const DashMask& dash) {
    const auto& ordered = f.Ordered();
    const int w = f.W();
    const double mid = range.start + range.sweep / 2.0;
    const double mx = std::cos(mid);
    const double my = -std::sin(mid);
    std::int64_t cx = 0;
    std::int64_t cy = 0;
    double best = -std::numeric_limits<double>::infinity();
    for (const double px : {std::floor(e.cx), std::ceil(e.cx)}) {
        for (const double py : {std::floor(e.cy), std::ceil(e.cy)}) {
            const double score = (px - e.cx) * mx + (py - e.cy) * my;
            if (score > best + 1e-12) {
                best = score;
                cx = static_cast<std::int64_t>(px);
                cy = static_cast<std::int64_t>(py);
            }
        }
    }
    auto endPixel = [&](bool atStart) {
        const PointD p = arcEnds[atStart ? 0 : 1];
        std::int64_t ex = std::llround(std::clamp(p.x, -1e12, 1e12));
        std::int64_t ey = std::llround(std::clamp(p.y, -1e12, 1e12));
        // Prefer the nearest visible border pixel of the arc itself.
        double bestScore = std::numeric_limits<double>::infinity();
        for (const auto& [offset, idx] : ordered) {
            const std::uint32_t column = idx % static_cast<std::uint32_t>(w);
            const std::uint32_t row = idx / static_cast<std::uint32_t>(w);
            const double x = column, y = row;
            if (std::abs(x - p.x) > 2.0 || std::abs(y - p.y) > 2.0) continue;
            const double score = atStart ? offset : range.sweep - offset;
            if (score < bestScore) {
                bestScore = score;
                ex = static_cast<std::int64_t>(x);
                ey = static_cast<std::int64_t>(y);
            }
        }
        return std::pair<std::int64_t, std::int64_t>(ex, ey);
    };
    std::int64_t phase = static_cast<std::int64_t>(ordered.size());
    const auto [sx, sy] = endPixel(true);
    f.ThinLine(cx, cy, sx, sy, true, dash, phase);
    if (!range.Full()) {
        const auto [ex, ey] = endPixel(false);
        f.ThinLine(cx, cy, ex, ey, true, dash, phase);
    }
}

// A wide pen's outline: whole solid ellipses' outlines are kept for reuse, dashed ones and
// those of arcs and pies are drawn each time.
void KeptWideEllipticOutline(RasterCanvas::Figure& f, const EllipseBox& e, const AngleRange& range,
                             int kind, const TPen& pen, int dashScale) {
    const bool solid = canvas_internal::DashFor(pen.Style) == nullptr || dashScale <= 1;
    const std::optional<OutlineKey> key =
        kind == 0 && solid ? OutlineKeyOf(e, pen.Width, f.W(), f.H()) : std::nullopt;
    if (!key || !f.MarkKeptOutline(*key, e.x1, e.y1)) {
        WideEllipticOutline(f, e, range, kind, pen, dashScale);
        if (key) f.KeepOutline(*key, e.x1, e.y1);
    }
}

// The area of rows y0 .. y1b: a sector's recorded runs, or the ellipse's spans.
void FillEllipticArea(RasterCanvas::Figure& f, int y0, int y1b, std::uint32_t colour, bool hatch) {
    const int w = f.W();
    for (int y = y0; y <= y1b; ++y) {
        if (f.HasSectorRunsOf(y)) {
            for (const auto& [a, b] : f.SectorRunsOf(y)) f.FillSpan(y, a, b, colour, hatch);
            continue;
        }
        const std::int64_t l = std::max<std::int64_t>(f.SpanL(y), 0);
        const std::int64_t r = std::min<std::int64_t>(f.SpanR(y), w - 1);
        if (l <= r) f.FillSpan(y, l, r, colour, hatch);
    }
}

}  // namespace

// kind 0: Ellipse, 1: Arc, 2: Pie.
void RasterCanvas::EllipticFigure(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4,
                                  int kind) {
    const EllipseBox e = canvas_internal::MakeEllipseBox(x1, y1, x2, y2);
    if (e.empty) return;
    FigureChanged(x1, y1, x2, y2);
    const bool outline = Pen.Style != psClear;
    const bool fill = kind != 1 && Brush.Style != bsClear;
    if (!outline && !fill) return;
    const AngleRange range =
        kind == 0 ? AngleRange{} : canvas_internal::ArcRange(e, x3, y3, x4, y4);
    Figure& f = BeginFigure();
    if (!f.Usable()) return;
    // A sector reaches only the rows between its centre and its arc's highest and lowest
    // points (with a margin of whole pixels for rounding at its edges); the spans are
    // needed one row beyond.
    const RayDirections directions =
        kind != 0 && !range.Full() ? RayDirections(range) : RayDirections();
    const auto [firstRow, lastRow] = SectorRows(e, range, directions, kind != 0);
    f.EllipseSpans(e, firstRow - 1, lastRow + 1);

    // The figure's rows in the picture.
    const int y0 = static_cast<int>(std::max<std::int64_t>({e.y1, 0, firstRow}));
    const int y1b = static_cast<int>(std::min<std::int64_t>({e.y2 - 1, f.H() - 1, lastRow}));
    if (fill && kind != 0 && !range.Full()) RecordSectorArea(f, e, range, directions, y0, y1b);

    // The area. In pmCopy the outline, drawn over the area afterwards, ends the same as
    // an area that skips it, and the area is written without looking at marks; every
    // other mode skips the outline's pixels.
    auto fillArea = [&] {
        FillEllipticArea(f, y0, y1b, SwapRB(Brush.Color), Brush.Style == bsDiagCross);
    };
    if (fill && Pen.Mode == pmCopy) fillArea();

    if (outline && Pen.Width <= 1) {
        const DashMask dash = MakeDashMask(canvas_internal::DashFor(Pen.Style));
        // The arc's visible border pixels; for a pie also the ones nearest its two ends.
        auto& ordered = f.Ordered();
        ordered.clear();
        const bool needAngles = kind != 0 || dash.period > 1;
        // A pie's arc ends at its two rays.
        const std::array<PointD, 2> arcEnds =
            kind == 2 ? PieArcEnds(e, range, directions) : std::array<PointD, 2>{};
        if (!needAngles) {
            f.VisitEllipseBorder(firstRow, lastRow, [&](int x, int y) { f.Mark(x, y); });
        } else {
            MarkArcBorder(f, e, range, directions, dash, kind == 2 ? &arcEnds : nullptr, firstRow,
                          lastRow);
        }
        if (kind == 2) DrawPieRadii(f, e, range, arcEnds, dash);
    } else if (outline) {
        KeptWideEllipticOutline(f, e, range, kind, Pen, DashScale());
    }

    if (fill && Pen.Mode != pmCopy) fillArea();
    f.Finish();
}

void RasterCanvas::FillRect(const TRect& rect) {
    if (Brush.Style == bsClear) return;
    const int x0 = std::max(std::min(rect.Left, rect.Right), 0);
    const int x1 = std::min(std::max(rect.Left, rect.Right), Width());
    const int y0 = std::max(std::min(rect.Top, rect.Bottom), 0);
    const int y1 = std::min(std::max(rect.Top, rect.Bottom), Height());
    if (x0 >= x1 || y0 >= y1) return;
    Changed(x0, y0, x1, y1);
    if (image_.format() != QImage::Format_RGB32) image_.convertTo(QImage::Format_RGB32);
    const std::uint32_t colour = kOpaque | SwapRB(Brush.Color);
    if (Brush.Style != bsDiagCross) {
        // A solid brush at the speed of writing memory.
        if (x0 == 0 && y0 == 0 && x1 == Width() && y1 == Height()) {
            image_.fill(colour);
            return;
        }
        for (int y = y0; y < y1; ++y)
            std::fill_n(reinterpret_cast<std::uint32_t*>(image_.scanLine(y)) + x0, x1 - x0, colour);
        return;
    }
    for (int y = y0; y < y1; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(image_.scanLine(y));
        for (int x = x0; x < x1; ++x) {
            if (HatchOn(x, y)) row[x] = colour;
        }
    }
}

const RasterCanvas::CachedFont& RasterCanvas::CurrentFont() {
    const int pixelSize = canvas_internal::PixelSizeFor(Font.Size, pixelsPerInch_);
    CachedFont& cached = font_->byWeight[Font.Bold ? 1 : 0];
    if (cached.pixelSize != pixelSize) {
        cached.pixelSize = pixelSize;
        cached.font = canvas_internal::MakeFont(Font, pixelSize, false);
        cached.metrics.emplace(cached.font);
    }
    return cached;
}

int RasterCanvas::DashScale() const {
    return std::max(1, static_cast<int>(std::lround(pixelsPerInch_ / 96.0)));
}

int RasterCanvas::TextWidth(std::string_view text) {
    return CurrentFont().metrics->horizontalAdvance(FromUtf8(Shown(text)));
}

int RasterCanvas::TextHeight(std::string_view /*text*/) {
    return CurrentFont().metrics->height();
}

void RasterCanvas::TextOut(int x, int y, std::string_view text) {
    const CachedFont& fc = CurrentFont();
    const QString s = FromUtf8(Shown(text));
    const int tw = fc.metrics->horizontalAdvance(s);
    const int th = fc.metrics->height();
    const std::int64_t right = static_cast<std::int64_t>(x) + tw;
    const std::int64_t bottom = static_cast<std::int64_t>(y) + th;
    PenPos = {static_cast<int>(std::clamp<std::int64_t>(right, INT32_MIN, INT32_MAX)), y};
    if (textLog_ != nullptr) {
        // Blanks around a text have no ink (a tight box would still take them in).
        qsizetype lead = 0;
        while (lead < s.size() && s[lead].isSpace()) ++lead;
        const QRect ink = fc.metrics->tightBoundingRect(s.mid(lead).trimmed())
                              .translated(x + fc.metrics->horizontalAdvance(s.left(lead)),
                                          y + fc.metrics->ascent());
        if (!ink.isEmpty())
            textLog_->push_back(
                {{ink.left(), ink.top(), ink.right() + 1, ink.bottom() + 1}, std::string(text)});
        if (hideTexts_) {
            // A text on a ground of its own keeps the ground: it covers what lies beneath.
            if (Brush.Style != bsClear)
                FillRect({x, y, static_cast<int>(std::min<std::int64_t>(right, INT32_MAX)),
                          static_cast<int>(std::min<std::int64_t>(bottom, INT32_MAX))});
            return;
        }
    }
    if (x >= Width() || y >= Height() || right <= 0 || bottom <= 0) return;
    // Glyphs may reach a little beyond their advance and line.
    Changed(x - th, y - 2, right + th, bottom + 2);
    if (image_.format() != QImage::Format_RGB32) image_.convertTo(QImage::Format_RGB32);
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    if (Brush.Style != bsClear) {
        painter.fillRect(QRect(x, y, tw, th), QColor::fromRgb(SwapRB(Brush.Color)));
    }
    painter.setFont(fc.font);
    painter.setPen(QColor::fromRgb(SwapRB(Font.Color)));
    painter.drawText(QPoint(x, y + fc.metrics->ascent()), s);
}

TColor RasterCanvas::GetPixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) return clWhite;
    return SwapRB(image_.pixel(x, y) & 0xFFFFFFu);
}

void RasterCanvas::SetPixel(int x, int y, TColor colour) {
    if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) return;
    Changed(x, y, x + 1, y + 1);
    if (image_.format() != QImage::Format_RGB32) image_.convertTo(QImage::Format_RGB32);
    reinterpret_cast<std::uint32_t*>(image_.scanLine(y))[x] = kOpaque | SwapRB(colour & 0xFFFFFFu);
}

void RasterCanvas::SetPixelRow(int x, int y, const TColor* colours, int count) {
    if (y < 0 || y >= image_.height()) return;
    Changed(x, y, static_cast<std::int64_t>(x) + count, y + 1);
    if (image_.format() != QImage::Format_RGB32) image_.convertTo(QImage::Format_RGB32);
    const int first = std::max(x, 0);
    const int end = static_cast<int>(
        std::min<std::int64_t>(static_cast<std::int64_t>(x) + count, image_.width()));
    auto* row = reinterpret_cast<std::uint32_t*>(image_.scanLine(y));
    for (int i = first; i < end; ++i) row[i] = kOpaque | SwapRB(colours[i - x] & 0xFFFFFFu);
}

void RasterCanvas::CopyRect(const TRect& rect, const TCanvas& source) {
    Changed(rect.Left, rect.Top, rect.Right, rect.Bottom);
    const auto* raster = dynamic_cast<const RasterCanvas*>(&source);
    if (raster == nullptr || raster->image_.format() != QImage::Format_RGB32) {
        TCanvas::CopyRect(rect, source);
        return;
    }
    const int x0 = std::max(rect.Left, 0);
    const int y0 = std::max(rect.Top, 0);
    const int x1 = std::min({rect.Right, Width(), source.Width()});
    const int y1 = std::min({rect.Bottom, Height(), source.Height()});
    if (x0 >= x1 || y0 >= y1) return;
    if (image_.format() != QImage::Format_RGB32) image_.convertTo(QImage::Format_RGB32);
    const auto bytes = static_cast<std::size_t>(x1 - x0) * sizeof(std::uint32_t);
    for (int y = y0; y < y1; ++y) {
        std::memcpy(reinterpret_cast<std::uint32_t*>(image_.scanLine(y)) + x0,
                    reinterpret_cast<const std::uint32_t*>(raster->image_.constScanLine(y)) + x0,
                    bytes);
    }
}

void RasterCanvas::LetGoOfLongTileList() {
    // Ticks of an animation no view takes the changes of (a hidden window, the scripted
    // mode) would add to the list for ever; past a tile's count for every tile of the
    // picture the box says as much.
    const auto tiles = static_cast<std::size_t>(TilesAcross(Width())) *
                       static_cast<std::size_t>(TilesAcross(Height()));
    if (changedTiles_.size() <= tiles) return;
    changedTilesExact_ = false;
    changedTiles_.clear();
}

void RasterCanvas::LogTiles(TileLog* log) {
    tileLog_ = log;
    if (log != nullptr) {
        log->Tiles.clear();  // keeping its room for the next clock tick's tiles
        log->Exact = true;
    }
}

void RasterCanvas::CopyTiles(const TileLog& tiles, const TCanvas& source) {
    if (!tiles.Exact) return;
    const auto* raster = dynamic_cast<const RasterCanvas*>(&source);
    if (raster == nullptr || raster->image_.format() != QImage::Format_RGB32 ||
        raster->Width() != Width() || raster->Height() != Height()) {
        TCanvas::CopyTiles(tiles, source);
        return;
    }
    if (image_.format() != QImage::Format_RGB32) image_.convertTo(QImage::Format_RGB32);
    auto* to = reinterpret_cast<std::uint32_t*>(image_.bits());
    const auto* from = reinterpret_cast<const std::uint32_t*>(raster->image_.constBits());
    const auto toStride = static_cast<std::size_t>(image_.bytesPerLine() / 4);
    const auto fromStride = static_cast<std::size_t>(raster->image_.bytesPerLine() / 4);
    constexpr auto TileBytes = static_cast<std::size_t>(TileSize) * 4;  // a tile's row
    TRect box{INT32_MAX, INT32_MAX, 0, 0};                              // of every tile copied
    ForEachTileRun(tiles.Tiles, Width(), Height(), tileSeen_, [&](const TRect& run) {
        const auto bytes = static_cast<std::size_t>(run.Right - run.Left) * 4;
        for (auto y = static_cast<std::size_t>(run.Top); y < static_cast<std::size_t>(run.Bottom);
             ++y) {
            std::uint32_t* out = to + y * toStride + run.Left;
            const std::uint32_t* in = from + y * fromStride + run.Left;
            if (bytes == TileBytes)  // most runs are one tile: no call for 32 bytes
                std::memcpy(out, in, TileBytes);
            else
                std::memcpy(out, in, bytes);
        }
        box = {std::min(box.Left, run.Left), std::min(box.Top, run.Top),
               std::max(box.Right, run.Right), std::max(box.Bottom, run.Bottom)};
    });
    // Every pixel copied lies in a listed tile: the changed tiles stay known.
    LetGoOfLongTileList();
    const bool exact = changedTilesExact_;
    const bool logExact = tileLog_ != nullptr && tileLog_->Exact;
    Changed(box.Left, box.Top, box.Right, box.Bottom);
    changedTilesExact_ = exact;
    if (exact) changedTiles_.insert(changedTiles_.end(), tiles.Tiles.begin(), tiles.Tiles.end());
    if (logExact) {
        tileLog_->Exact = true;
        tileLog_->Tiles.insert(tileLog_->Tiles.end(), tiles.Tiles.begin(), tiles.Tiles.end());
    }
}

}  // namespace viv
