// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The raster canvas: pen-mode arithmetic, each pixel of a figure combined exactly once,
// box and arc conventions, hatching, text and clipping.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFontMetrics>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "library/canvas/canvas_common.h"
#include "library/canvas/raster_canvas.h"

namespace viv {
namespace {

constexpr int kW = 160;
constexpr int kH = 120;

void Noise(RasterCanvas& c, unsigned seed) {
    std::mt19937 rng(seed);
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x) c.SetPixel(x, y, rng() & 0xFFFFFF);
}

int CountDiff(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) n += static_cast<int>(a.pixel(x, y) != b.pixel(x, y));
    return n;
}

struct Box {
    int x0 = INT_MAX, y0 = INT_MAX, x1 = INT_MIN, y1 = INT_MIN, count = 0;
};
// The box of the pixels that are not white.
Box Ink(const RasterCanvas& c) {
    Box b;
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x)
            if (c.GetPixel(x, y) != clWhite) {
                b.x0 = std::min(b.x0, x), b.y0 = std::min(b.y0, y);
                b.x1 = std::max(b.x1, x), b.y1 = std::max(b.y1, y), ++b.count;
            }
    return b;
}

std::vector<TPoint> Sine(int n, int w, int h) {
    std::vector<TPoint> pts;
    pts.reserve(static_cast<std::size_t>(n));
    const int middle = h / 2;
    for (int i = 0; i < n; ++i)
        pts.push_back(
            {i * (w - 1) / (n - 1), static_cast<int>(middle + (middle - 3) * std::sin(i * 0.05))});
    return pts;
}

using Op = std::function<void(TCanvas&)>;
struct NamedOp {
    std::string name;
    Op op;
    bool oneFigure = true;  // wide LineTo chains are several figures whose round caps overlap
};

std::vector<NamedOp> Operations() {
    const int big = 1 << 30;
    return {
        {"LineTo chain",
         [](TCanvas& c) {
             c.MoveTo(10, 10);
             c.LineTo(140, 40);
             c.LineTo(60, 110);
             c.LineTo(20, 100);
             c.LineTo(15, 30);
         },
         false},
        {"Polyline crossing",
         [](TCanvas& c) {
             c.Polyline({{5, 5}, {150, 100}, {150, 5}, {5, 100}, {80, 2}, {80, 118}});
         }},
        {"Polyline closed",
         [](TCanvas& c) {
             c.Polyline({{20, 20}, {120, 30}, {90, 100}, {20, 20}});
         }},
        {"Polyline sine", [](TCanvas& c) { c.Polyline(Sine(400, kW, kH)); }},
        {"Polygon star",
         [](TCanvas& c) {
             c.Polygon({{80, 5}, {110, 110}, {10, 40}, {150, 40}, {50, 110}});
         }},
        {"Rectangle", [](TCanvas& c) { c.Rectangle(20, 15, 130, 95); }},
        {"Rectangle thin", [](TCanvas& c) { c.Rectangle(20, 15, 21, 95); }},
        {"Ellipse", [](TCanvas& c) { c.Ellipse(10, 10, 150, 110); }},
        {"Ellipse flat", [](TCanvas& c) { c.Ellipse(5, 50, 155, 54); }},
        {"Ellipse tiny", [](TCanvas& c) { c.Ellipse(70, 50, 75, 55); }},
        {"Arc", [](TCanvas& c) { c.Arc(10, 10, 150, 110, 150, 60, 30, 0); }},
        {"Arc full", [](TCanvas& c) { c.Arc(30, 20, 131, 101, 0, 0, 0, 0); }},
        {"Pie", [](TCanvas& c) { c.Pie(10, 10, 150, 110, 0, 20, 150, 30); }},
        {"Pie small", [](TCanvas& c) { c.Pie(60, 40, 101, 81, 100, 61, 80, 40); }},
        {"Pie full", [](TCanvas& c) { c.Pie(20, 10, 140, 110, 10, 10, 10, 10); }},
        {"Far line",
         [=](TCanvas& c) {
             c.MoveTo(-big, 7);
             c.LineTo(big, 90);
         }},
        {"Far polyline",
         [=](TCanvas& c) {
             c.Polyline({{-big, -big}, {big, big}, {0, big}, {-big, 60}});
         }},
        {"Far polygon",
         [=](TCanvas& c) {
             c.Polygon({{-big, 20}, {big, 30}, {40, big}});
         }},
        {"Far ellipse", [=](TCanvas& c) { c.Ellipse(-big, 30, big, big); }},
        {"Far pie", [=](TCanvas& c) { c.Pie(-big, -big, big, big, 0, 0, 1, 0); }},
    };
}

struct Style {
    std::string name;
    TPen pen;
    TBrush brush;
    double pixelsPerInch = 96;  // above 96 a wide pen's dashes grow with it
};

std::vector<Style> Styles() {
    return {
        {"thin solid", {clBlue, 1, psSolid, pmCopy}, {clRed, bsSolid}},
        {"width 0 clear brush", {clBlue, 0, psSolid, pmCopy}, {clRed, bsClear}},
        {"dashed hatched", {clNavy, 1, psDash, pmCopy}, {clGreen, bsDiagCross}},
        {"dotted", {clNavy, 1, psDot, pmCopy}, {clOlive, bsSolid}},
        {"dash-dot", {clPurple, 1, psDashDot, pmCopy}, {clTeal, bsClear}},
        {"bold", {clMaroon, 3, psSolid, pmCopy}, {clAqua, bsSolid}},
        {"bold dashed hatched", {clBlack, 3, psDash, pmCopy}, {clFuchsia, bsDiagCross}},
        {"wide", {clGray, 6, psSolid, pmCopy}, {clLime, bsSolid}},
        {"even width", {clGray, 2, psSolid, pmCopy}, {clYellow, bsSolid}},
        {"clear pen", {clBlack, 1, psClear, pmCopy}, {clRed, bsSolid}},
        {"dotted twice as large", {clNavy, 2, psDot, pmCopy}, {clOlive, bsSolid}, 192},
        {"dash-dot three times as large", {clPurple, 3, psDashDot, pmCopy}, {clTeal, bsClear}, 288},
    };
}

TEST(RasterCanvasModes, Arithmetic) {
    RasterCanvas c(60, 60);
    c.Pen = {clRed, 1, psSolid, pmCopy};
    c.Brush = {clRed, bsSolid};
    c.Ellipse(10, 10, 50, 50);
    c.Pen = {clWhite, 1, psSolid, pmMask};
    c.Brush = {clWhite, bsSolid};
    c.Ellipse(10, 10, 50, 50);
    EXPECT_EQ(c.GetPixel(30, 30), clRed);
    EXPECT_EQ(c.GetPixel(10, 30), clRed);

    c.Pen = {clGreen, 1, psSolid, pmCopy};
    c.Brush = {RGB(0, 255, 0), bsSolid};
    c.Rectangle(0, 0, 60, 60);
    c.Pen = {clRed, 1, psSolid, pmMerge};
    c.Brush = {clRed, bsSolid};
    c.Rectangle(0, 0, 60, 60);
    EXPECT_EQ(c.GetPixel(30, 30), RGB(255, 255, 0));

    c.Pen = {RGB(0x12, 0x34, 0x56), 1, psSolid, pmXor};
    c.SetPixel(5, 5, RGB(0xF0, 0x0F, 0xFF));
    c.MoveTo(5, 5);
    c.LineTo(6, 5);
    EXPECT_EQ(c.GetPixel(5, 5), RGB(0xF0 ^ 0x12, 0x0F ^ 0x34, 0xFF ^ 0x56));
    c.Pen.Mode = pmNotXor;
    c.MoveTo(5, 5);
    c.LineTo(6, 5);
    EXPECT_EQ(c.GetPixel(5, 5),
              RGB(0xFF ^ 0x12 ^ 0xF0 ^ 0x12, 0xFF ^ 0x0F, 0xFF ^ 0xFF ^ 0x56 ^ 0x56));
}

// On white, pmNotXor gives the pen colour for a pixel combined once and white for one
// combined twice; so a figure in pmNotXor must equal the same figure in pmCopy. This
// catches gaps at joints and crossings, rings between outline and fill, hatch gaps.
TEST(RasterCanvasOnce, NotXorOnWhiteEqualsCopy) {
    for (const auto& op : Operations()) {
        for (const auto& style : Styles()) {
            SCOPED_TRACE(op.name + " / " + style.name);
            RasterCanvas copy(kW, kH), notXor(kW, kH);
            copy.SetPixelsPerInch(style.pixelsPerInch);
            notXor.SetPixelsPerInch(style.pixelsPerInch);
            copy.Pen = notXor.Pen = style.pen;
            copy.Brush = notXor.Brush = style.brush;
            notXor.Pen.Mode = pmNotXor;
            if (!op.oneFigure && style.pen.Width > 1) continue;
            op.op(copy);
            op.op(notXor);
            EXPECT_EQ(CountDiff(copy.Image(), notXor.Image()), 0);
            if (style.pen.Style != psClear) {
                EXPECT_GT(Ink(copy).count, 0);
            }
        }
    }
}

TEST(RasterCanvasOnce, DrawTwiceInNotXorRestores) {
    for (const auto& op : Operations()) {
        for (const auto& style : Styles()) {
            for (unsigned background = 0; background < 3; ++background) {
                SCOPED_TRACE(op.name + " / " + style.name + " / background " +
                             std::to_string(background));
                RasterCanvas c(kW, kH);
                c.SetPixelsPerInch(style.pixelsPerInch);
                if (background == 1) c.Image().fill(QColor(40, 200, 90));
                if (background == 2) Noise(c, 7);
                const QImage before = c.Image().copy();
                c.Pen = style.pen;
                c.Brush = style.brush;
                c.Pen.Mode = pmNotXor;
                op.op(c);
                if (style.pen.Style != psClear) {
                    EXPECT_GT(CountDiff(before, c.Image()), 0);
                }
                op.op(c);
                EXPECT_EQ(CountDiff(before, c.Image()), 0);
            }
        }
    }
}

// A dotted pen drawn twice as large (smooth drawing, zoom 2) keeps its dots: as many along
// a line as the one-pixel pen makes, where the same pen at the layout's size is solid.
TEST(RasterCanvasGeometry, WideDashesGrowWithThePicture) {
    const auto runs = [](double pixelsPerInch, int width, int length) {
        RasterCanvas c(2 * length + 20, 20);
        c.SetPixelsPerInch(pixelsPerInch);
        c.Pen = {clBlack, width, psDot, pmCopy};
        c.MoveTo(5, 10);
        c.LineTo(5 + length, 10);
        int count = 0;
        for (int x = 1; x < c.Width(); ++x)
            count +=
                static_cast<int>(c.GetPixel(x, 10) == clBlack && c.GetPixel(x - 1, 10) != clBlack);
        return count;
    };
    EXPECT_EQ(runs(96, 1, 60), 10);
    EXPECT_EQ(runs(192, 2, 120), 10);
    EXPECT_EQ(runs(96, 2, 120), 1);
}

TEST(RasterCanvasOnce, JointsAppearOnce) {
    // A LineTo chain and a polyline through the same points: every pixel exactly once;
    // the chain leaves out its end pixel, the polyline draws it.
    const std::vector<TPoint> pts{{10, 10}, {50, 10}, {50, 50}, {90, 20}, {95, 70}};
    RasterCanvas chain(100, 80), poly(100, 80);
    chain.Pen.Mode = poly.Pen.Mode = pmNotXor;
    chain.MoveTo(pts[0].x, pts[0].y);
    for (size_t i = 1; i < pts.size(); ++i) chain.LineTo(pts[i].x, pts[i].y);
    poly.Polyline(pts);
    EXPECT_EQ(CountDiff(chain.Image(), poly.Image()), 1);
    EXPECT_EQ(poly.GetPixel(95, 70), clBlack);
    // 40 + 40 + 40 + 50 steps, each a pixel, the joints counted once.
    EXPECT_EQ(Ink(chain).count, 40 + 40 + 40 + 50);
    EXPECT_EQ(chain.GetPixel(95, 70), clWhite);  // end pixel left out
    EXPECT_EQ(chain.GetPixel(50, 10), clBlack);  // joint
}

TEST(RasterCanvasGeometry, BoxesExcludeRightAndBottom) {
    for (int kind = 0; kind < 2; ++kind) {
        for (const auto& b : std::vector<TRect>{
                 {10, 10, 30, 20}, {5, 7, 6, 8}, {3, 40, 157, 44}, {40, 2, 45, 110}}) {
            RasterCanvas c(kW, kH);
            if (kind == 0)
                c.Rectangle(b.Left, b.Top, b.Right, b.Bottom);
            else
                c.Ellipse(b.Right, b.Bottom, b.Left, b.Top);  // swapped corners are normalised
            const Box ink = Ink(c);
            SCOPED_TRACE(kind);
            EXPECT_EQ(ink.x0, b.Left);
            EXPECT_EQ(ink.y0, b.Top);
            EXPECT_EQ(ink.x1, b.Right - 1);
            EXPECT_EQ(ink.y1, b.Bottom - 1);
        }
    }
    RasterCanvas c(kW, kH);
    c.Rectangle(10, 10, 30, 20);
    EXPECT_EQ(Ink(c).count, 2 * 20 + 2 * 8);  // an outline only: the brush is white
}

// Pixels of an arc lie between its rays, taken as directions from the box centre.
TEST(RasterCanvasGeometry, ArcsRunCounterClockwiseByDirection) {
    for (const TRect box : {TRect{0, 0, 100, 100}, TRect{0, 0, 160, 40}, TRect{20, 0, 141, 31}}) {
        const double cx = (box.Left + box.Right - 1) / 2.0, cy = (box.Top + box.Bottom - 1) / 2.0;
        const int mx = (box.Left + box.Right) / 2, my = (box.Top + box.Bottom) / 2;
        // Right -> top: the upper-right quarter.
        RasterCanvas c(kW, kH);
        c.Arc(box.Left, box.Top, box.Right, box.Bottom, mx + 500, my, mx, my - 500);
        Box ink = Ink(c);
        EXPECT_GE(ink.x0, std::floor(cx));
        EXPECT_LE(ink.y1, std::ceil(cy));
        EXPECT_EQ(ink.x1, box.Right - 1);
        EXPECT_EQ(ink.y0, box.Top);
        // Top -> right: the other three quarters.
        RasterCanvas d(kW, kH);
        d.Arc(box.Left, box.Top, box.Right, box.Bottom, mx, my - 500, mx + 500, my);
        RasterCanvas e(kW, kH);
        e.Ellipse(box.Left, box.Top, box.Right, box.Bottom);
        int both = 0;
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x) {
                const bool inC = c.GetPixel(x, y) != clWhite, inD = d.GetPixel(x, y) != clWhite;
                both += static_cast<int>(inC && inD);
                EXPECT_EQ(inC || inD, e.GetPixel(x, y) != clWhite);
            }
        EXPECT_LE(both, 2);  // only pixels lying exactly on a ray
        // 45 to 135 degrees as directions: |dx| <= dy on the picture, also on a flat ellipse
        // (parametric angles would reach far to the sides).
        RasterCanvas f(kW, kH);
        f.Arc(box.Left, box.Top, box.Right, box.Bottom, mx + 50, my - 50, mx - 50, my - 50);
        ink = Ink(f);
        EXPECT_GT(ink.count, 0);
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x)
                if (f.GetPixel(x, y) != clWhite) {
                    EXPECT_LE(std::abs(x - cx), cy - y + 1.5) << x << "," << y;
                }
        // A pie of the upper-right quarter stays in it, filled.
        RasterCanvas p(kW, kH);
        p.Brush.Color = clRed;
        p.Pie(box.Left, box.Top, box.Right, box.Bottom, mx + 500, my, mx, my - 500);
        ink = Ink(p);
        EXPECT_GE(ink.x0, std::floor(cx));
        EXPECT_LE(ink.y1, std::ceil(cy));
        EXPECT_EQ(p.GetPixel(static_cast<int>(cx + (box.Right - box.Left) / 5.0),
                             static_cast<int>(cy - (box.Bottom - box.Top) / 5.0)),
                  clRed);
    }
}

// A pie's interior is the ellipse's interior with every pixel whose direction from the
// centre lies in the pie's range, tested pixel by pixel here; the canvas tests only the
// pixels near the bounding rays, and must come to the same set.
TEST(RasterCanvasGeometry, PieFillIsTheEllipseCutByItsRange) {
    std::mt19937 rng(2024);
    std::uniform_int_distribution<int> corner(-40, 200), point(-300, 460);
    for (int trial = 0; trial < 400; ++trial) {
        const int x1 = corner(rng), y1 = corner(rng), x2 = corner(rng), y2 = corner(rng);
        int x3 = point(rng), y3 = point(rng), x4 = point(rng), y4 = point(rng);
        if (trial % 5 == 0) {  // rays along the axes and through the centre row
            x3 = (x1 + x2) / 2 + 100;
            y3 = (y1 + y2) / 2;
            x4 = (x1 + x2) / 2;
            y4 = (y1 + y2) / 2 - 100;
        }
        RasterCanvas pie(kW, kH), disc(kW, kH);
        for (RasterCanvas* c : {&pie, &disc}) {
            c->Pen.Style = psClear;
            c->Brush.Color = clRed;
            c->Pen.Mode = pmCopy;
        }
        pie.Pie(x1, y1, x2, y2, x3, y3, x4, y4);
        disc.Ellipse(x1, y1, x2, y2);
        const canvas_internal::EllipseBox e = canvas_internal::MakeEllipseBox(x1, y1, x2, y2);
        const canvas_internal::AngleRange range = canvas_internal::ArcRange(e, x3, y3, x4, y4);
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x) {
                const bool want =
                    disc.GetPixel(x, y) == clRed &&
                    range.Contains(canvas_internal::DirectionAngle(x - e.cx, y - e.cy));
                ASSERT_EQ(pie.GetPixel(x, y) == clRed, want)
                    << "trial " << trial << " pixel " << x << "," << y << " box " << x1 << "," << y1
                    << "," << x2 << "," << y2 << " rays " << x3 << "," << y3 << " " << x4 << ","
                    << y4;
            }
    }
}

TEST(RasterCanvasGeometry, OneLinePixelsDoNotDependOnClipping) {
    // The reference: step k of the line has minor offset round-half-up(k * minor / major).
    std::mt19937 rng(3);
    std::uniform_int_distribution<int> coord(-3000, 3000);
    for (int trial = 0; trial < 300; ++trial) {
        const int x0 = coord(rng), y0 = coord(rng), x1 = coord(rng) / (trial % 3 + 1),
                  y1 = coord(rng) / (trial % 5 + 1);
        RasterCanvas c(100, 80);
        c.MoveTo(x0, y0);
        c.LineTo(x1, y1);
        QImage expected(100, 80, QImage::Format_RGB32);
        expected.fill(Qt::white);
        const long long dx = x1 - x0, dy = y1 - y0, n = std::max(std::llabs(dx), std::llabs(dy));
        const bool xMajor = std::llabs(dx) >= std::llabs(dy);
        for (long long k = 0; k < n; ++k) {
            const long long m = (2 * k * std::llabs(xMajor ? dy : dx) + n) / (2 * n);
            const long long x = xMajor ? x0 + (dx < 0 ? -k : k) : x0 + (dx < 0 ? -m : m);
            const long long y = xMajor ? y0 + (dy < 0 ? -m : m) : y0 + (dy < 0 ? -k : k);
            if (x >= 0 && y >= 0 && x < 100 && y < 80)
                expected.setPixel(static_cast<int>(x), static_cast<int>(y), 0xFF000000u);
        }
        ASSERT_EQ(CountDiff(c.Image(), expected), 0)
            << x0 << "," << y0 << " -> " << x1 << "," << y1;
    }
}

TEST(RasterCanvasOnce, PolylinePixelsFollowTheStepRuleOnce) {
    // Polylines of short steps inside the picture, some never turning back in y (as the
    // wavelets' arcs), some wandering: in pmNotXor on white every pixel of the union of
    // the segments' steps (ends included) is black once, none twice, nothing else.
    std::mt19937 rng(11);
    for (int trial = 0; trial < 400; ++trial) {
        const bool monotone = trial % 2 == 0;
        std::uniform_int_distribution<int> step(-3, 3), count(3, 40), longStep(-30, 30);
        std::vector<TPoint> pts{{50, 40}};
        const int n = count(rng);
        for (int i = 1; i < n; ++i) {
            const bool isLong = trial % 5 == 0;
            int dx = isLong ? longStep(rng) : step(rng), dy = isLong ? longStep(rng) : step(rng);
            if (monotone) dy = -std::abs(dy);
            pts.push_back(
                {std::clamp(pts.back().x + dx, 0, 99), std::clamp(pts.back().y + dy, 0, 79)});
        }
        RasterCanvas c(100, 80);
        c.Pen.Mode = pmNotXor;
        c.Polyline(pts);
        QImage expected(100, 80, QImage::Format_RGB32);
        expected.fill(Qt::white);
        for (std::size_t i = 0; i + 1 < pts.size(); ++i) {
            const long long x0 = pts[i].x, y0 = pts[i].y, dx = pts[i + 1].x - x0,
                            dy = pts[i + 1].y - y0,
                            major = std::max(std::llabs(dx), std::llabs(dy));
            const bool xMajor = std::llabs(dx) >= std::llabs(dy);
            for (long long k = 0; k <= major; ++k) {
                const long long m =
                    major == 0 ? 0 : (2 * k * std::llabs(xMajor ? dy : dx) + major) / (2 * major);
                const long long x = xMajor ? x0 + (dx < 0 ? -k : k) : x0 + (dx < 0 ? -m : m);
                const long long y = xMajor ? y0 + (dy < 0 ? -m : m) : y0 + (dy < 0 ? -k : k);
                expected.setPixel(static_cast<int>(x), static_cast<int>(y), 0xFF000000u);
            }
        }
        ASSERT_EQ(CountDiff(c.Image(), expected), 0) << "trial " << trial;
    }
}

// A wide pen's whole ellipse, and its quadrilateral along a short segment between whole
// pixels, may be drawn from the marks kept from an earlier one: every one, at places on
// both sides of the binades' edges at 256, 512 and 1024 pixels, must be the same as on a
// canvas that draws its first.
TEST(RasterCanvasGeometry, WideFiguresDrawnAgainAreAsNew) {
    constexpr int kSide = 1100;
    constexpr int kTrials = 160;
    const TPoint sizes[] = {{14, 14}, {13, 14}, {9, 6}, {30, 21}};
    const int places[] = {40, 250, 506, 700, 1018};  // each give or take 24 pixels
    RasterCanvas shared(kSide, kSide);
    std::mt19937 rng(11);
    auto place = [&] { return places[rng() % 5] + static_cast<int>(rng() % 49) - 24; };
    auto step = [&] { return static_cast<int>(rng() % 11) - 5; };
    for (int trial = 0; trial < kTrials; ++trial) {
        const TPoint size = sizes[(trial / 2) % 4];
        const int penWidth = 2 + trial % 2;
        const int x = place(), y = place();
        const TRect box{x, y, x + size.x, y + size.y};
        std::vector<TPoint> path{{x, y}};
        for (int i = 0; i < 8; ++i)
            path.push_back({path.back().x + step(), path.back().y + step()});
        TRect reach = box;  // and the pen's reach about the path
        for (const TPoint& q : path)
            reach = {std::min(reach.Left, q.x), std::min(reach.Top, q.y),
                     std::max(reach.Right, q.x + 1), std::max(reach.Bottom, q.y + 1)};
        reach = {reach.Left - 8, reach.Top - 8, reach.Right + 8, reach.Bottom + 8};
        RasterCanvas fresh(reach.Right, reach.Bottom);
        auto draw = [&](RasterCanvas& c) {
            c.Pen.Width = penWidth;
            c.Pen.Mode = pmNotXor;
            c.Ellipse(box.Left, box.Top, box.Right, box.Bottom);
            c.Polyline(path);
        };
        draw(shared);
        draw(fresh);
        for (int py = reach.Top; py < reach.Bottom; ++py)
            for (int px = reach.Left; px < reach.Right; ++px)
                ASSERT_EQ(shared.GetPixel(px, py), fresh.GetPixel(px, py))
                    << "trial " << trial << " at " << px << "," << py;
        draw(shared);  // not-xor: away again
    }
}

TEST(RasterCanvasGeometry, FarAwayCoordinatesAreQuick) {
    QElapsedTimer timer;
    timer.start();
    RasterCanvas c(720, 540);
    c.Pen.Mode = pmNotXor;
    const int big = 1 << 30;
    for (int width : {1, 3}) {
        c.Pen.Width = width;
        c.Pen.Style = psDash;
        c.MoveTo(-big, -big);
        c.LineTo(big, big);
        c.Polyline({{-big, 100}, {big, 101}, {big, -big}, {-big, big}});
        c.Polygon({{-big, -big}, {big, 0}, {0, big}});
        c.Ellipse(-big, -big, big, big);
        c.Arc(-big, -big, big, 300, 0, 0, big, 0);
        c.Pie(-big, -big, big, big, 0, 0, 1, 0);
        c.Rectangle(-big, -big, big, big);
        c.Ellipse(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    }
    EXPECT_LT(timer.elapsed(), 3000);
    RasterCanvas h(50, 10);
    h.MoveTo(-big, 4);
    h.LineTo(big, 4);
    EXPECT_EQ(Ink(h).count, 50);
}

TEST(RasterCanvasHatch, CombinesOnlyItsLines) {
    RasterCanvas c(64, 48);
    Noise(c, 11);
    const QImage before = c.Image().copy();
    c.Pen = {clBlack, 1, psClear, pmXor};
    c.Brush = {clWhite, bsDiagCross};  // xor with white changes every pixel it combines
    c.Rectangle(3, 5, 60, 40);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x) {
            const bool line = ((x - y) % 8 + 8) % 8 == 0 || (x + y) % 8 == 7;
            const bool inside = x >= 3 && x < 60 && y >= 5 && y < 40;
            EXPECT_EQ(c.Image().pixel(x, y) != before.pixel(x, y), line && inside) << x << "," << y;
        }
}

TEST(RasterCanvasPixels, OutsideAndRgbImage) {
    RasterCanvas c(4, 3);
    c.SetPixel(-1, 0, clRed);
    c.SetPixel(4, 0, clRed);
    EXPECT_EQ(c.GetPixel(-1, 0), clWhite);
    EXPECT_EQ(c.GetPixel(0, 3), clWhite);
    c.Pen.Mode = pmXor;  // Pixels always copy
    c.SetPixel(1, 2, RGB(1, 2, 3));
    EXPECT_EQ(c.GetPixel(1, 2), RGB(1, 2, 3));
    const RgbImage img = c.ToRgbImage();
    EXPECT_EQ(img.At(1, 2), RGB(1, 2, 3));
    RasterCanvas d(img);
    EXPECT_EQ(d.GetPixel(1, 2), RGB(1, 2, 3));
    EXPECT_EQ(d.Image().format(), QImage::Format_RGB32);
    c.Brush.Color = clBlue;
    c.FillRect({-5, 1, 2, 9});
    EXPECT_EQ(c.GetPixel(1, 2), clBlue);
    EXPECT_EQ(c.GetPixel(2, 2), clWhite);
}

TEST(RasterCanvasText, CopiesAtTopLeft) {
    RasterCanvas c(300, 80);
    c.Font = {clBlack, 14, false};
    c.Brush.Style = bsClear;
    c.Pen.Mode = pmNotXor;  // ignored by text
    const std::string text = "Ærø æøå λ";
    const int tw = c.TextWidth(text), th = c.TextHeight(text);
    EXPECT_EQ(th, QFontMetrics([] {
                      QFont f("DejaVu Sans");
                      f.setPixelSize(19);
                      return f;
                  }())
                      .height());
    EXPECT_GT(tw, 50);
    c.TextOut(20, 30, text);
    Box ink = Ink(c);
    EXPECT_GE(ink.x0, 20);
    EXPECT_LE(ink.x0, 23);
    EXPECT_GE(ink.y0, 30);
    EXPECT_LE(ink.y0, 35);
    EXPECT_LT(ink.x1, 20 + tw);
    EXPECT_LT(ink.y1, 30 + th);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 300; ++x)
            ASSERT_TRUE(c.GetPixel(x, y) == clWhite || c.GetPixel(x, y) == clBlack);
    // Each glyph renders on its own.
    for (const char* glyph : {"æ", "ø", "å", "λ"}) {
        RasterCanvas g(40, 40);
        g.Font.Size = 20;
        g.TextOut(5, 5, glyph);
        EXPECT_GT(Ink(g).count, 10) << glyph;
    }
    c.Font.Color = clWhite;
    c.TextOut(20, 30, text);
    EXPECT_EQ(Ink(c).count, 0);
    // A solid brush fills the text's box first.
    c.Brush = {clYellow, bsSolid};
    c.Font = {clBlue, 10, true};
    c.TextOut(5, 6, "Tekst");
    ink = Ink(c);
    EXPECT_EQ(ink.x0, 5);
    EXPECT_EQ(ink.y0, 6);
    EXPECT_EQ(ink.x1, 5 + c.TextWidth("Tekst") - 1);
    EXPECT_EQ(ink.y1, 6 + c.TextHeight("Tekst") - 1);
    EXPECT_EQ(c.GetPixel(5, 6), clYellow);
}

}  // namespace
}  // namespace viv
