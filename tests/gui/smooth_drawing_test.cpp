// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Smooth drawing: the area filter, the reduced picture kept up to date by the changed
// boxes alone, and every simulation drawn large ending as a fresh redraw; the zoom.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>

#include "app/app.h"
#include "app/drawing_scale.h"
#include "app/script.h"
#include "gui/headless_host.h"
#include "library/canvas/raster_canvas.h"
#include "library/canvas/reduced_picture.h"
#include "scripted_app.h"
#include "sims/simulations.h"

namespace viv {
namespace {

TEST(SmoothDrawing, EachShownPixelIsTheRoundedMeanOfItsBlock) {
    std::mt19937 random(5);
    // 13 shown pixels a row: groups of four and the ones left over.
    for (const int k : {2, 3}) {
        QImage large(13 * k, 5 * k, QImage::Format_RGB32);
        for (int y = 0; y < large.height(); ++y)
            for (int x = 0; x < large.width(); ++x) large.setPixel(x, y, random() | 0xFF000000u);
        QImage reduced(13, 5, QImage::Format_RGB32);
        ReduceArea(large, k, {0, 0, 13, 5}, reduced);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 13; ++x) {
                int sum[3] = {0, 0, 0};
                for (int j = 0; j < k; ++j)
                    for (int i = 0; i < k; ++i) {
                        const QColor c = large.pixelColor(x * k + i, y * k + j);
                        sum[0] += c.red(), sum[1] += c.green(), sum[2] += c.blue();
                    }
                const QColor got = reduced.pixelColor(x, y);
                const int n = k * k;
                EXPECT_EQ(got.red(), (sum[0] + n / 2) / n) << k << " " << x << "," << y;
                EXPECT_EQ(got.green(), (sum[1] + n / 2) / n) << k << " " << x << "," << y;
                EXPECT_EQ(got.blue(), (sum[2] + n / 2) / n) << k << " " << x << "," << y;
            }
    }
}

// Every kind of drawing on the large canvas, each followed by an update of the reduced
// picture from the changed box alone: always the reduction of the whole picture.
TEST(SmoothDrawing, TheChangedBoxesKeepTheReducedPictureWhole) {
    RasterCanvas large(300, 200), other(300, 200);
    other.Brush.Color = clNavy;
    other.FillRect({0, 0, 300, 200});
    ReducedPicture reduced;
    std::mt19937 random(9);
    auto coordinate = [&](int most) { return static_cast<int>(random() % (most + 80)) - 40; };
    for (int step = 0; step < 400; ++step) {
        large.Pen.Color = random() & 0xFFFFFF;
        large.Pen.Width = 1 + static_cast<int>(random() % 4);
        large.Pen.Mode = step % 3 == 0 ? pmNotXor : pmCopy;
        large.Brush.Color = random() & 0xFFFFFF;
        large.Brush.Style = step % 5 == 0 ? bsClear : bsSolid;
        const int x1 = coordinate(300), y1 = coordinate(200), x2 = coordinate(300),
                  y2 = coordinate(200);
        switch (step % 10) {
            case 0:
                large.MoveTo(x1, y1);
                large.LineTo(x2, y2);
                break;
            case 1:
                large.Polyline({{x1, y1}, {x2, y2}, {x1, y2}, {x2 / 2, y1 / 2}});
                break;
            case 2:
                large.Ellipse(x1, y1, x2, y2);
                break;
            case 3:
                large.Pie(x1, y1, x2, y2, x2, y1, x1, y2);
                break;
            case 4:
                large.TextOut(x1, y1, "Vivarnon 42°");
                break;
            case 5:
                large.FillRect({x1, y1, x2, y2});
                break;
            case 6:
                large.SetPixel(x1, y1, clRed);
                break;
            case 7:
                large.CopyRect({x1, y1, x2, y2}, other);
                break;
            case 8:
                large.Rectangle(x1, y1, x2, y2);
                break;
            case 9: {  // a wave's tick: a wide outline's logged tiles, then put back
                const QImage before = std::as_const(large).Image().copy();
                TileLog log;
                large.LogTiles(&log);
                large.Pen.Width = 2 + static_cast<int>(random() % 3);
                large.Polyline({{x1, y1}, {x2, y2}, {x1, y2}});
                large.LogTiles(nullptr);
                ASSERT_TRUE(log.Exact);
                std::set<std::uint32_t> tiles(log.Tiles.begin(), log.Tiles.end());
                for (int y = 0; y < 200; ++y) {
                    for (int x = 0; x < 300; ++x) {
                        const bool changed =
                            before.pixel(x, y) != std::as_const(large).Image().pixel(x, y);
                        const auto tile =
                            static_cast<std::uint32_t>((y / 8) * TilesAcross(300) + x / 8);
                        ASSERT_TRUE(!changed || tiles.contains(tile)) << x << ", " << y;
                    }
                }
                if (step % 2 == 0) large.CopyTiles(log, other);
                break;
            }
        }
        const QImage& got = reduced.Update(large, 2);
        ASSERT_EQ(got, ShownImage(large, 2)) << "step " << step;
    }
    // Wide lines for a long while with no view taking the changes (a hidden window): the
    // canvas lets go of its long list of tiles and the box still holds every change.
    large.Pen.Width = 2;
    for (int i = 0; i < 400; ++i) {
        large.MoveTo(0, i % 200);
        large.LineTo(299, (i * 7) % 200);
    }
    ASSERT_EQ(reduced.Update(large, 2), ShownImage(large, 2));
}

// The scripted program, with the view's reduced picture beside it, updated after every
// event as the window shows the picture.
struct SmoothScripted : test::Scripted {
    ReducedPicture view;
    void Run(const std::string& text) { ASSERT_EQ(test::Scripted::Run(text), 0) << err.str(); }
    RasterCanvas& picture() { return static_cast<RasterCanvas&>(*app.Image); }
};

// Random use of every simulation drawn twice as large: the reduced picture, updated from
// the changed boxes after each event, ends as the reduction of a fresh redraw.
TEST(SmoothDrawing, RandomUseOfEverySimulationEndsAsARedraw) {
    SmoothScripted s;
    s.Run("smooth on\n");
    EXPECT_EQ(s.app.Window.DrawingScale, 2);
    EXPECT_EQ(s.picture().Width(), 2 * 684);
    EXPECT_TRUE(s.app.Window.SmoothItem.Checked);
    std::mt19937 random(17);
    for (int n = 2; n <= 43; ++n) {
        if (n == 13) continue;
        s.Run("select " + std::to_string(n) + "\n");
        s.view.Update(s.picture(), 2);
        std::string done;
        bool ticked = false;
        for (int e = 0; e < 12; ++e) {
            const std::uint32_t kind = random() % 4;
            const Control control = AllControls[random() % AllControls.size()];
            const FKey key = AllFKeys[random() % AllFKeys.size()];
            const RangeControl& range = s.app.Window.Of(control);
            if (kind == 0 && range.Visible) {
                const int position =
                    range.Min + static_cast<int>(random() % static_cast<std::uint32_t>(
                                                                range.Max - range.Min + 1));
                s.app.ControlChange(control, position);
                done += "control " + std::to_string(static_cast<int>(control)) + "=" +
                        std::to_string(position) + "; ";
            } else if (kind == 1 && Shows(s.app.Window.ShownButtons, ButtonOf(key)) &&
                       !(key == FKey::F6 && (n == 2 || n == 4))) {
                // (F6's protractor dots in 2 and 4 lie over the rays, which a redraw lays over
                // them.)
                s.app.FKeyClick(key);
                done += "F" + std::to_string(static_cast<int>(key) + 2) + "; ";
            } else if (kind == 2 && Shows(s.app.Window.ShownButtons, Buttons::Clock)) {
                s.Run("tick 3\n");
                done += "tick 3; ";
                ticked = true;
            } else {
                const auto w = static_cast<std::uint32_t>(s.picture().Width() / 2);
                const auto h = static_cast<std::uint32_t>(s.picture().Height() / 2);
                const std::string line =
                    "drag " + std::to_string(random() % w) + " " + std::to_string(random() % h) +
                    " " + std::to_string(random() % w) + " " + std::to_string(random() % h);
                s.Run(line + "\n");
                done += line + "; ";
            }
            s.view.Update(s.picture(), 2);
        }
        const QImage shown = s.view.Update(s.picture(), 2).copy();
        EXPECT_EQ(shown, ShownImage(s.picture(), 2)) << "simulation " << n << ": " << done;
        // Ticks of a stopped clock move the spring (36), whose redraw hangs it at rest, and
        // the tube's frozen marks (38) are traces no redraw repeats: there the picture
        // after ticks is not a redraw's.
        if (ticked && (n == 36 || n == 38)) continue;
        const QImage large = s.picture().Image().copy();
        s.app.RedrawPicture();
        EXPECT_EQ(large, s.picture().Image()) << "simulation " << n << ": " << done;
    }
    s.Run("smooth off\n");
    EXPECT_EQ(s.app.Window.DrawingScale, 1);
    EXPECT_EQ(s.picture().Width(), 684);
}

// The picture at `zoom` and `width` x `height` pixels, as the scripted mode saves it.
QImage ZoomedPicture(int simulation, double zoom, int width, int height) {
    SmoothScripted s;
    std::ostringstream script;
    script << "size " << width << " " << height << "\nzoom " << zoom << "\nselect " << simulation
           << "\n";
    s.Run(script.str());
    return s.picture().Image().copy();
}

// Zoom 2 at twice the size is the same layout at twice the scale: reduced by 2 it comes
// close to zoom 1 at the size itself (lines and letters may fall a pixel apart).
TEST(Zoom, TwiceTheZoomAtTwiceTheSizeIsTheSameLayout) {
    double worst = 0;
    int worstSimulation = 0;
    for (int n = 2; n <= 43; ++n) {
        if (n == 13) continue;
        const QImage small = ZoomedPicture(n, 1, 640, 420);
        const QImage large = ZoomedPicture(n, 2, 1280, 840);
        QImage reduced(small.width(), small.height(), QImage::Format_RGB32);
        ReduceArea(large, 2, {0, 0, reduced.width(), reduced.height()}, reduced);
        // The mean difference of the channels, blurred over 3 x 3 pixels so that a line a
        // pixel aside counts little and a missing or misplaced figure much. Hatches keep
        // their pixel pattern and 6's drops fall at random: up to 8 of 255.
        double sum = 0;
        for (int y = 1; y + 1 < small.height(); ++y)
            for (int x = 1; x + 1 < small.width(); ++x) {
                int a[3] = {0, 0, 0}, b[3] = {0, 0, 0};
                for (int j = -1; j <= 1; ++j)
                    for (int i = -1; i <= 1; ++i) {
                        const QRgb p = small.pixel(x + i, y + j), q = reduced.pixel(x + i, y + j);
                        a[0] += qRed(p), a[1] += qGreen(p), a[2] += qBlue(p);
                        b[0] += qRed(q), b[1] += qGreen(q), b[2] += qBlue(q);
                    }
                for (int c = 0; c < 3; ++c) sum += std::abs(a[c] - b[c]) / 9.0;
            }
        const double mean = sum / (3.0 * (small.width() - 2) * (small.height() - 2));
        if (mean > worst) worst = mean, worstSimulation = n;
        EXPECT_LT(mean, 8.0) << "simulation " << n;
    }
    RecordProperty("worst", std::to_string(worst) + " in " + std::to_string(worstSimulation));
}

TEST(Zoom, TheScriptTakesOneToFourInQuarters) {
    for (const auto& [line, ok] :
         std::initializer_list<std::pair<const char*, bool>>{{"zoom 1", true},
                                                             {"zoom 1.25", true},
                                                             {"zoom 4", true},
                                                             {"zoom 0.75", false},
                                                             {"zoom 4.25", false},
                                                             {"zoom 1.3", false},
                                                             {"zoom", false},
                                                             {"zoom x", false},
                                                             {"zoom nan", false},
                                                             {"zoom 2 3", false}}) {
        test::Scripted s;
        EXPECT_EQ(s.Run(std::string(line) + "\n"), ok ? 0 : 2) << line;
    }
    SmoothScripted s;
    s.Run("select 2\n");
    const int textHeight = s.picture().TextHeight("Xg");
    s.Run("zoom 2\n");
    EXPECT_NEAR(s.picture().TextHeight("Xg"), 2 * textHeight, 2);
    EXPECT_EQ(s.app.Map.PenWidth, 2);
    EXPECT_EQ(s.app.Map.Zoom, 2);
    EXPECT_TRUE(s.app.Window.ZoomOutItem.Enabled);
    s.Run("zoom 4\n");
    EXPECT_FALSE(s.app.Window.ZoomInItem.Enabled);
    s.Run("zoom 1\n");
    EXPECT_FALSE(s.app.Window.ZoomOutItem.Enabled);
    EXPECT_EQ(s.app.Map.PenWidth, 1);
}

// Presentation mode's zoom: picture text at least a fortieth of the picture's height, in
// whole steps, within 1..4; leaving it gives the zoom from before back.
TEST(Zoom, PresentationMakesTextAFortiethOfTheHeight) {
    for (const auto& [height, text, zoom] :
         std::initializer_list<std::tuple<int, double, double>>{{473, 13, 1},
                                                                {1080, 13, 2.25},
                                                                {1080, 27, 1},
                                                                {2160, 13, 4},
                                                                {4000, 13, 4},
                                                                {1040, 13, 2},
                                                                {0, 13, 1},
                                                                {1080, 0, 1}}) {
        EXPECT_EQ(PresentationZoom(height, text), zoom) << height << " " << text;
        if (height > 0 && text > 0 && zoom < MaxZoom) {
            EXPECT_GE(zoom * text, height / 40.0 - 1e-9);
        }
    }
    SmoothScripted s;
    s.Run("size 1920 1080\nselect 9\nzoom 1.5\npresent on\n");
    EXPECT_TRUE(s.app.Window.PresentationItem.Checked);
    const TFont font = s.picture().Font;
    s.picture().Font = TFont{};
    EXPECT_GE(s.picture().TextHeight("Xg"), 1080 / 40);
    s.picture().Font = font;
    s.Run("present off\n");
    EXPECT_EQ(s.app.Window.Zoom, 1.5);
}

}  // namespace
}  // namespace viv
