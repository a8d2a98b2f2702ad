// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/optics/image_formation.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "app/events.h"
#include "optics/optics_checks.h"
#include "picture_checks.h"
#include "recording_canvas.h"
#include "sims/simulations.h"
#include "test_host.h"

namespace viv {
namespace {

using test::ExpectSamePicture;

// The object's place for a scroll bar position, counted out step by step.
double CountedObjectPlace(int position) {
    double a = -0.5;
    for (int k = 0; k < std::min(position, 149); ++k) a -= 0.05;
    if (position >= 150) a = -8 - (position - 150);
    return a;
}

// The image by the lens equation 1/b - 1/a = 1/f, or by the mirror equation
// 1/a + 1/b = 1/f with the focal point at f; magnification B/G = b/a (lens), -b/a (mirror).
struct Expected {
    bool exists;
    double b, B;
};
Expected ByLensEquation(double a, double f, double G) {
    const double inverse = 1 / f + 1 / a;
    if (std::abs(inverse) < 1e-12) return {false, 0, 0};
    const double b = 1 / inverse;
    return {true, b, G * b / a};
}
Expected ByMirrorEquation(double a, double f, double G) {
    const double inverse = 1 / f - 1 / a;
    if (std::abs(inverse) < 1e-12) return {false, 0, 0};
    const double b = 1 / inverse;
    return {true, b, -G * b / a};
}

std::string TwoDecimals(double v) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", v);
    return text;
}

class ImageSimulation : public test::OpticsFixture<::testing::TestWithParam<int>> {
protected:
    ImageSimulation() { app.MenuEntry(static_cast<std::uint16_t>(GetParam())); }

    static bool IsLens() { return GetParam() == 24; }
    void SetPosition(int position) { app.ControlChange(Control::ScrollBar1, position); }
    static double G() { return IsLens() ? 3 : 2; }
    // The signed focal length in the equations: the lens's f, the mirror's focal point.
    double F() const {
        if (IsLens()) return app.State.ShowRays ? -2 : 2;
        return app.State.ShowRays ? 5 : -5;
    }
    Expected Image(double a) const {
        return IsLens() ? ByLensEquation(a, F(), G()) : ByMirrorEquation(a, F(), G());
    }
    static bool Virtual(const Expected& e) { return IsLens() ? e.b < 0 : e.b > 0; }

    int CountColour(TColor colour) {
        return CountIn(colour, 0, 0, Picture().width(), Picture().height());
    }
};

TEST_P(ImageSimulation, StartsWithTheObjectAtMinusEight) {
    EXPECT_EQ(Cell(0, 0), IsLens() ? "Billeddannelse" : "Spejlbilledet");
    EXPECT_EQ(Cell(1, 1), "-8.00");
    if (IsLens()) {
        test::ExpectCells(app, {{1, 2, "2.67"}, {1, 3, "2.00"}, {1, 4, "3.00"}, {1, 5, "-1.00"}});
    } else {
        test::ExpectCells(app,
                          {{1, 2, "-13.33"}, {1, 3, "-5.00"}, {1, 4, "2.00"}, {1, 5, "-3.33"}});
    }
    test::ExpectPanels(app, "a=" + Cell(1, 1), "b=" + Cell(1, 2), "f=" + Cell(1, 3));
}

TEST_P(ImageSimulation, ScrollBarRangesMeetWithoutAGap) {
    SetPosition(150);
    EXPECT_EQ(Cell(1, 1), "-8.00");
    SetPosition(149);
    EXPECT_EQ(Cell(1, 1), "-7.95");
    SetPosition(0);
    EXPECT_EQ(Cell(1, 1), "-0.50");
    SetPosition(200);
    EXPECT_EQ(Cell(1, 1), "-58.00");
    for (int position = 0; position <= 200; ++position)
        EXPECT_NEAR(ObjectPosition(position), CountedObjectPlace(position), 1e-9) << position;
}

// Every position, both kinds: the table against the lens or mirror equation, and never a
// NaN.
TEST_P(ImageSimulation, TableFollowsTheEquationEverywhere) {
    for (int kind = 0; kind < 2; ++kind) {
        for (int position = 0; position <= 200; ++position) {
            SetPosition(position);
            const double a = CountedObjectPlace(position);
            const Expected e = Image(a);
            SCOPED_TRACE("kind " + std::to_string(kind) + ", position " + std::to_string(position));
            EXPECT_EQ(Cell(1, 1), TwoDecimals(a));
            EXPECT_EQ(Cell(1, 3), TwoDecimals(F()));
            if (e.exists) {
                EXPECT_NEAR(std::stod(Cell(1, 2)), e.b, 0.0051 + 1e-9 * std::abs(e.b));
                EXPECT_NEAR(std::stod(Cell(1, 5)), e.B, 0.0051 + 1e-9 * std::abs(e.B));
            } else {
                EXPECT_EQ(Cell(1, 2), "");
                EXPECT_EQ(Cell(1, 5), "");
            }
            for (int row = 0; row < 6; ++row) {
                EXPECT_EQ(Cell(1, row).find_first_of("nNI"), std::string::npos) << Cell(1, row);
            }
            for (const std::string* panel :
                 {&app.Window.Panel1, &app.Window.Panel2, &app.Window.Panel3})
                EXPECT_EQ(panel->find_first_of("nNI"), std::string::npos) << *panel;
        }
        app.FKeyClick(FKey::F6);
    }
}

TEST_P(ImageSimulation, KnownImages) {
    if (IsLens()) {
        SetPosition(20);  // a = -1.5: a magnified virtual image
        test::ExpectCells(app, {{1, 1, "-1.50"}, {1, 2, "-6.00"}, {1, 5, "12.00"}});
        SetPosition(150);
        app.FKeyClick(FKey::F6);  // diverging
        test::ExpectCells(app, {{1, 2, "-1.60"}, {1, 5, "0.60"}, {1, 3, "-2.00"}});
    } else {
        app.FKeyClick(FKey::F6);  // convex: a smaller upright image behind the mirror
        EXPECT_EQ(Cell(1, 3), "5.00");
        EXPECT_GT(std::stod(Cell(1, 2)), 0);
        EXPECT_GT(std::stod(Cell(1, 5)), 0);
        EXPECT_LT(std::stod(Cell(1, 5)), 2);
    }
}

// With the object in the focal point the rays leave parallel: no image, no image arrow,
// and (in the lens) no rays.
TEST_P(ImageSimulation, NoImageWithTheObjectInTheFocalPoint) {
    const int focal = IsLens() ? 30 : 90;
    SetPosition(focal);
    EXPECT_EQ(Cell(1, 1), IsLens() ? "-2.00" : "-5.00");
    EXPECT_EQ(Cell(1, 2), "");
    EXPECT_EQ(Cell(1, 5), "");
    EXPECT_EQ(app.Window.Panel2, "b=");
    for (FKey key : {FKey::F3, FKey::F4, FKey::F5}) app.FKeyClick(key);
    test::RecordingCanvas canvas(app.Map.PictureWidth, app.Map.PictureHeight);
    app.DrawSimulation(Event::Redraw, false, canvas);  // what a full redraw draws
    int blackArrows = 0, redFigures = 0;
    for (const test::Figure& f : canvas.figures) {
        if (f.kind == "polyline" && f.pen.Color == clBlack && f.points.size() == 3) ++blackArrows;
        if (f.pen.Color == clRed) ++redFigures;
    }
    EXPECT_EQ(blackArrows, 1);  // the object's head only
    if (IsLens()) {
        EXPECT_EQ(redFigures, 0);
    }
    test::ExpectSameAsRedrawn(started, "image-focal");
}

TEST_P(ImageSimulation, VirtualImageArrowIsDotted) {
    SetPosition(IsLens() ? 20 : 10);  // inside the focal length
    const Expected e = Image(CountedObjectPlace(IsLens() ? 20 : 10));
    ASSERT_TRUE(Virtual(e));
    test::RecordingCanvas canvas(app.Map.PictureWidth, app.Map.PictureHeight);
    app.DrawSimulation(Event::Redraw, false, canvas);  // what a full redraw draws
    const int x = app.Map.PictureX(e.b);
    bool dotted = false;
    for (const test::Figure& f : canvas.Of("line"))
        if (f.points[0].x == x && f.points[1].x == x && f.pen.Color == clBlack)
            dotted = f.pen.Style == psDot;
    EXPECT_TRUE(dotted);
}

// The line through two pixels, and a pixel's distance from it.
double DistanceFromLine(TPoint p, TPoint q, double x, double y) {
    const double dx = q.x - p.x, dy = q.y - p.y;
    return std::abs(dy * (x - p.x) - dx * (y - p.y)) / std::hypot(dx, dy);
}

// The three principal rays, switched on together, meet at the image's tip: the last
// drawn piece of each real ray, extended, passes through the tip as the equation places
// it, and so does every dotted continuation.
TEST_P(ImageSimulation, PrincipalRaysMeetAtTheImageTip) {
    for (FKey key : {FKey::F3, FKey::F4, FKey::F5}) app.FKeyClick(key);
    const std::vector<int> positions = IsLens() ? std::vector<int>{150, 155, 100, 60, 20, 10}
                                                : std::vector<int>{154, 150, 130, 110, 60, 40};
    for (int kind = 0; kind < 2; ++kind) {
        for (int position : positions) {
            SetPosition(position);
            const double a = CountedObjectPlace(position);
            const Expected e = Image(a);
            ASSERT_TRUE(e.exists);
            if (e.b <= app.Map.WorldXMin || e.b >= app.Map.WorldXMax ||
                std::abs(e.B) >= app.Map.AspectHeight)
                continue;
            SCOPED_TRACE("kind " + std::to_string(kind) + ", position " + std::to_string(position));
            const double tx = app.Map.PictureX(e.b), ty = app.Map.PictureY(e.B);
            test::RecordingCanvas canvas(app.Map.PictureWidth, app.Map.PictureHeight);
            app.DrawSimulation(Event::Redraw, false, canvas);  // what a full redraw draws
            int rays = 0, continuations = 0;
            for (const test::Figure& f : canvas.figures) {
                if (f.pen.Color != clRed) continue;
                if (f.kind == "polyline") {
                    ++rays;
                    const TPoint p = f.points[f.points.size() - 2], q = f.points.back();
                    EXPECT_LT(DistanceFromLine(p, q, tx, ty), 1.5)
                        << "(" << p.x << "," << p.y << ")-(" << q.x << "," << q.y << ")";
                } else if (f.kind == "line") {
                    ++continuations;
                    EXPECT_EQ(f.pen.Style, psDot);
                    EXPECT_LT(DistanceFromLine(f.points[0], f.points[1], tx, ty), 1.5);
                }
            }
            EXPECT_EQ(rays, 3);
            if (!Virtual(e)) {
                EXPECT_EQ(continuations, 0);
            } else {
                EXPECT_GE(continuations, 2);
            }
        }
        app.FKeyClick(FKey::F6);
    }
}

TEST_P(ImageSimulation, EveryToggleTwiceLeavesThePicture) {
    for (int position : {150, 20, 130}) {
        SetPosition(position);
        test::ExpectTogglesTwiceRestore(started, {FKey::F2, FKey::F3, FKey::F4, FKey::F5, FKey::F6},
                                        "image-" + std::to_string(GetParam()));
    }
}

TEST_P(ImageSimulation, FarObjectStartsItsRaysAtTheLeftEdge) {
    SetPosition(200);  // a = -58
    for (FKey key : {FKey::F3, FKey::F4, FKey::F5}) app.FKeyClick(key);
    test::RecordingCanvas canvas(app.Map.PictureWidth, app.Map.PictureHeight);
    app.DrawSimulation(Event::Redraw, false, canvas);  // what a full redraw draws
    int rays = 0;
    for (const test::Figure& f : canvas.Of("polyline"))
        if (f.pen.Color == clRed) {
            ++rays;
            EXPECT_EQ(f.points.front().x, 0);  // the picture's left edge
        }
    EXPECT_EQ(rays, 3);
    test::ExpectSameAsRedrawn(started, "image-far");
}

TEST_P(ImageSimulation, OtherEventsDrawNothing) {
    test::ExpectEventsDrawNothing(
        started,
        {Event::TrackBar1, Event::TrackBar2, Event::Tick, Event::Step, Event::ScrollBar2,
         Event::ScrollBar3, Event::TrackBar3, Event::TrackBar4},
        "image");
}

TEST_P(ImageSimulation, RandomUseMatchesAFullRedraw) {
    test::ExpectRandomUseMatchesRedraw(
        started, 1207u + static_cast<std::uint32_t>(GetParam()), {Control::ScrollBar1},
        {FKey::F2, FKey::F3, FKey::F4, FKey::F5, FKey::F6}, "image-" + std::to_string(GetParam()));
}

TEST_P(ImageSimulation, PointerShowsWorldCoordinates) {
    started.host.pointer.size = {app.Image->Width(), app.Image->Height()};
    const int w = app.Image->Width(), h = app.Image->Height();
    const int pointerX = w / 2, pointerY = h / 4;
    started.host.pointer.cursor = {pointerX, pointerY};
    app.ImageMouseMove();
    const double xmin = IsLens() ? -10 : -14, half = 10.0 * h / w;
    char expected[64];
    std::snprintf(expected, sizeof expected, "(%.2f; %.2f)", xmin + 20.0 / w * pointerX,
                  half - 2 * half / h * pointerY);
    EXPECT_EQ(app.Window.MessagePanel, expected);
}

INSTANTIATE_TEST_SUITE_P(LensAndMirror, ImageSimulation, ::testing::Values(24, 28),
                         [](const ::testing::TestParamInfo<int>& param) {
                             return param.param == 24 ? std::string("Lens") : std::string("Mirror");
                         });

}  // namespace
}  // namespace viv
