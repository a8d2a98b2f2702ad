// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Filled pies on the raster picture: the sector is found a run at a time, and must still
// hold exactly the pixels of the ellipse area whose centres lie in its range of
// directions, pixel by pixel.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "library/canvas/canvas_common.h"
#include "library/canvas/raster_canvas.h"

namespace viv {
namespace {

constexpr std::uint32_t kInk = 0xFF000000u;

struct PieCase {
    int x1, y1, x2, y2, x3, y3, x4, y4;
};

std::string Describe(const PieCase& p) {
    return "Pie(" + std::to_string(p.x1) + ", " + std::to_string(p.y1) + ", " +
           std::to_string(p.x2) + ", " + std::to_string(p.y2) + ", " + std::to_string(p.x3) + ", " +
           std::to_string(p.y3) + ", " + std::to_string(p.x4) + ", " + std::to_string(p.y4) + ")";
}

// The sector's pixels tested one by one: the ellipse's area (as Ellipse fills it) and
// the direction of each pixel centre from the box centre.
QImage ExpectedSector(int w, int h, const PieCase& p) {
    RasterCanvas area(w, h);
    area.Pen.Style = psClear;
    area.Brush = {clBlack, bsSolid};
    area.Ellipse(p.x1, p.y1, p.x2, p.y2);
    const auto box = canvas_internal::MakeEllipseBox(p.x1, p.y1, p.x2, p.y2);
    const auto range = canvas_internal::ArcRange(box, p.x3, p.y3, p.x4, p.y4);
    QImage out = area.Image().copy();
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (out.pixel(x, y) != kInk) continue;
            if (!range.Contains(canvas_internal::DirectionAngle(x - box.cx, y - box.cy)))
                out.setPixel(x, y, 0xFFFFFFFFu);
        }
    }
    return out;
}

void ExpectPieFill(int w, int h, const PieCase& p) {
    RasterCanvas c(w, h);
    c.Pen.Style = psClear;
    c.Brush = {clBlack, bsSolid};
    c.Pie(p.x1, p.y1, p.x2, p.y2, p.x3, p.y3, p.x4, p.y4);
    const QImage want = ExpectedSector(w, h, p);
    int differing = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            differing += static_cast<int>(c.Image().pixel(x, y) != want.pixel(x, y));
    EXPECT_EQ(differing, 0) << Describe(p);
}

TEST(RasterCanvasPieFill, RandomSectorsHoldExactlyTheirPixels) {
    std::mt19937 random(20261207);
    auto in = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    constexpr int w = 160;
    constexpr int h = 120;
    for (int i = 0; i < 600; ++i) {
        PieCase p{};
        p.x1 = in(-200, 200);
        p.y1 = in(-150, 150);
        p.x2 = p.x1 + in(1, 400);
        p.y2 = p.y1 + in(1, 300);
        // End points anywhere, also on the centre's row and column (rays along the rows).
        const int cx = (p.x1 + p.x2) / 2;
        const int cy = (p.y1 + p.y2) / 2;
        switch (i % 6) {
            case 0:
                p.x3 = in(-300, 300), p.y3 = in(-300, 300), p.x4 = in(-300, 300),
                p.y4 = in(-300, 300);
                break;
            case 1:
                p.x3 = cx + in(-5, 5), p.y3 = cy, p.x4 = cx, p.y4 = cy + in(-5, 5);
                break;
            case 2:  // thin sectors
                p.x3 = cx + 1000, p.y3 = cy + in(-3, 3), p.x4 = cx + 1000, p.y4 = p.y3 + in(1, 2);
                break;
            case 3:
                p.x3 = cx - in(1, 1000), p.y3 = cy + in(-1, 1), p.x4 = cx + in(1, 1000),
                p.y4 = cy + in(-1, 1);
                break;
            case 4: {  // half discs: the end ray opposite the start ray, through pixel centres
                const int dx = in(-7, 7), dy = in(-7, 7);
                p.x3 = cx + dx, p.y3 = cy + dy, p.x4 = cx - dx, p.y4 = cy - dy;
                break;
            }
            default: {  // rays along pixel diagonals and steep lines, either way round
                const int dx = in(-3, 3), dy = in(-3, 3);
                p.x3 = cx + 40 * dx, p.y3 = cy + 40 * dy, p.x4 = cx + in(-3, 3),
                p.y4 = cy + in(-3, 3);
                break;
            }
        }
        SCOPED_TRACE(i);
        ExpectPieFill(w, h, p);
        if (::testing::Test::HasFailure()) return;
    }
}

// Centres far outside the picture turn the direction very little from pixel to pixel.
TEST(RasterCanvasPieFill, FarCentresAndHugeBoxes) {
    const int big = 1 << 28;
    for (const PieCase& p : {PieCase{-big, -big, big, big, 0, 0, big, 3},
                             PieCase{-big, 50, big, 70, -big, 60, big, 61},
                             PieCase{-300000, -300000, 300160, 300120, 0, 0, 1, 0},
                             PieCase{-300000, -300000, 300160, 300120, 80, 200000, 81, 0},
                             PieCase{40, -1000000, 41000, 1000000, 0, 60, 100000, 61}}) {
        ExpectPieFill(160, 120, p);
    }
}

// An ellipse, outlined and filled, or a pie, cut by the picture's top and bottom edges
// holds the same pixels as the uncut figure on a taller picture: only its own rows are
// worked on, and the rows just outside the picture still decide the outline at its edges.
TEST(RasterCanvasPieFill, FiguresCutByThePictureEdgesKeepTheirPixels) {
    constexpr int shift = 40;
    for (const bool pie : {false, true}) {
        for (const int width : {1, 3}) {
            RasterCanvas cut(100, 60), whole(100, 140);
            for (RasterCanvas* c : {&cut, &whole}) {
                c->Pen = {clRed, width, psSolid, pmNotXor};
                c->Brush = {clBlue, bsSolid};
                const int dy = c == &whole ? shift : 0;
                if (pie)
                    c->Pie(10, -30 + dy, 91, 51 + dy, 95, 0 + dy, 5, 40 + dy);
                else
                    c->Ellipse(10, -30 + dy, 91, 51 + dy);
                c->Ellipse(30, -1 + dy, 37, 4 + dy);   // a small one across the top edge
                c->Ellipse(60, 58 + dy, 70, 62 + dy);  // and one across the bottom edge
            }
            EXPECT_EQ(cut.Image(), whole.Image().copy(0, shift, 100, 60)) << pie << " " << width;
        }
    }
}

TEST(RasterCanvasPieFill, HatchedSectorDrawnTwiceInNotXorLeavesNoTrace) {
    RasterCanvas c(200, 150);
    c.Pen = {clRed, 1, psSolid, pmNotXor};
    for (TBrushStyle style : {bsSolid, bsDiagCross}) {
        c.Brush = {clBlue, style};
        const QImage before = c.Image().copy();
        c.Pie(-50, -20, 230, 170, 180, 10, 5, 140);
        EXPECT_NE(c.Image(), before);
        c.Pie(-50, -20, 230, 170, 180, 10, 5, 140);
        EXPECT_EQ(c.Image(), before);
    }
}

}  // namespace
}  // namespace viv
