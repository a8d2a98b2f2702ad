// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/optics/lenses.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "app/events.h"
#include "library/substance_table.h"
#include "optics/optics_checks.h"
#include "picture_checks.h"
#include "sims/simulations.h"
#include "test_host.h"

namespace viv {
namespace {

using test::ExpectSamePicture;

constexpr double Rim2 = 4.75;

double Sag(double r) {
    return r - std::sqrt(r * r - Rim2);
}

// The focal length of a thick lens in air by the lens-maker's formula, 1/f = (n - 1)
// [1/R1 - 1/R2 + (n - 1) d / (n R1 R2)]: the faces have the signed radii R1, R2 (R2 = 0
// for a plane face), the thickness d and the index n.
double ThickLensLength(double R1, double R2, double d, double n) {
    const double c1 = 1 / R1, c2 = R2 == 0 ? 0 : 1 / R2;
    return 1 / ((n - 1) * (c1 - c2 + (n - 1) * d * c1 * c2 / n));
}

// Its back focal point, the last vertex at x = vertex2.
double ThickLensFocus(double R1, double R2, double d, double n, double vertex2) {
    const double c1 = 1 / R1;
    return vertex2 + ThickLensLength(R1, R2, d, n) * (1 - (n - 1) * d * c1 / n);
}

// Snell's law and the geometry at every face of a traced ray: each point lies on its
// face, and n1 sin(i) = n2 sin(r) with both angles measured from the face's normal.
void ExpectSnellAlong(const TracedRay& ray, const std::vector<Interface>& faces) {
    ASSERT_EQ(ray.Points.size(), faces.size() + 1);
    double n1 = 1;
    for (std::size_t k = 0; k < faces.size(); ++k) {
        const WorldPoint a = ray.Points[k], p = ray.Points[k + 1];
        const LensFace& face = faces[k].Face;
        double nx = 1, ny = 0;
        if (!face.Plane) {
            EXPECT_NEAR(std::hypot(p.x - face.X, p.y), face.R, 1e-9);
            nx = (p.x - face.X) / face.R;
            ny = p.y / face.R;
        } else {
            EXPECT_NEAR(p.x, face.X, 1e-12);
        }
        EXPECT_LE(std::abs(p.y), LensRimHeight + 1e-12);
        double ix = p.x - a.x, iy = p.y - a.y;
        const double li = std::hypot(ix, iy);
        ix /= li;
        iy /= li;
        double ox, oy;
        if (k + 2 < ray.Points.size()) {
            ox = ray.Points[k + 2].x - p.x;
            oy = ray.Points[k + 2].y - p.y;
            const double lo = std::hypot(ox, oy);
            ox /= lo;
            oy /= lo;
        } else {
            ox = ray.Dx;
            oy = ray.Dy;
        }
        const double n2 = faces[k].IndexBehind;
        const double sinI = ix * ny - iy * nx, sinR = ox * ny - oy * nx;
        EXPECT_NEAR(n1 * sinI, n2 * sinR, 1e-9) << "face " << k;
        // Both on the same side of the face: the ray goes on, it is not reflected.
        EXPECT_GT((ix * nx + iy * ny) * (ox * nx + oy * ny), 0) << "face " << k;
        n1 = n2;
    }
}

class LensSimulation : public test::OpticsFixture<::testing::Test> {
protected:
    void Choose(std::uint16_t n) { app.MenuEntry(n); }
    void SetAngle(int degrees) { app.ControlChange(Control::ScrollBar1, degrees + 30); }
    void SetSubstance(int k) { app.ControlChange(Control::TrackBar1, k); }
    void SetSubstance2(int k) { app.ControlChange(Control::TrackBar4, k); }
    void SetR1(int position) { app.ControlChange(Control::TrackBar2, position); }
    void SetR2(int position) { app.ControlChange(Control::TrackBar3, position); }
    double Number(int col, int row) { return std::stod(Cell(col, row)); }
};

TEST_F(LensSimulation, CrownGlassLensOfRadiusFive) {
    Choose(23);
    SetSubstance(4);
    EXPECT_EQ(Cell(0, 0), "Linsens egenskaber");
    // The vertices at x = -0.5 and 0.5: the lens is one unit thick.
    const std::vector<Interface> faces = LensFaces(scene, true);
    EXPECT_NEAR(FaceX(faces[0].Face, 0), -0.5, 1e-12);
    EXPECT_NEAR(FaceX(faces[1].Face, 0), 0.5, 1e-12);
    test::ExpectCells(
        app,
        {{1, 1, "5.0"}, {1, 2, "5.0"}, {0, 3, " brændvidde f/cm"}, {0, 4, " brændpunkt, x/cm"}});
    EXPECT_NEAR(Number(1, 3), ThickLensLength(5, -5, 1, 1.515), 0.0051);
    EXPECT_NEAR(Number(2, 3), ThickLensLength(5, -5, 1, 1.505), 0.0051);
    EXPECT_NEAR(Number(1, 4), ThickLensFocus(5, -5, 1, 1.515, 0.5), 0.0051);
    EXPECT_NEAR(Number(2, 4), ThickLensFocus(5, -5, 1, 1.505, 0.5), 0.0051);
    EXPECT_LT(Number(1, 3), Number(2, 3));
    EXPECT_LT(Number(2, 3) - Number(1, 3), 0.2);
    test::ExpectCells(app, {{0, 5, " Kronglas, n"},
                            {1, 5, "1.515"},
                            {2, 5, "1.505"},
                            {0, 6, " Kronglas, n"},
                            {1, 7, "0.0"}});
    test::ExpectPanels(app, "r1=5.0", "f=" + Cell(1, 3), "n1=1.515");
    SetAngle(-30);
    EXPECT_EQ(Cell(1, 7), "-30.0");
}

TEST_F(LensSimulation, FocalLengthsFollowTheThickLensFormula) {
    Choose(23);
    for (int k = 1; k <= SubstanceCount; ++k) {
        SetSubstance(k);
        for (int p1 : {1, 3, 10})
            for (int p2 : {1, 6, 10}) {
                SetR1(p1);
                SetR2(p2);
                const double r1 = 2.5 * (p1 + 1), r2 = 2.5 * (p2 + 1);
                SCOPED_TRACE("substance " + std::to_string(k) + " r1 " + std::to_string(r1) +
                             " r2 " + std::to_string(r2));
                EXPECT_NEAR(Number(1, 1), r1, 0.051);
                EXPECT_NEAR(Number(1, 2), r2, 0.051);
                const double d = Sag(r1) + Sag(r2);
                const SubstanceRow& s = Substance(k);
                EXPECT_NEAR(Number(1, 3), ThickLensLength(r1, -r2, d, s.SubstanceIndexBlue),
                            0.0051);
                EXPECT_NEAR(Number(2, 3), ThickLensLength(r1, -r2, d, s.SubstanceIndexRed), 0.0051);
                EXPECT_NEAR(Number(1, 4), ThickLensFocus(r1, -r2, d, s.SubstanceIndexBlue, Sag(r2)),
                            0.0051);
                EXPECT_NEAR(Number(2, 4), ThickLensFocus(r1, -r2, d, s.SubstanceIndexRed, Sag(r2)),
                            0.0051);
                ExpectNoNan();
            }
    }
}

// Turned round, a lens keeps its focal length; only its focal point moves. Extra-dense
// flint with the radii 15 and 5: f = 3.97, the focal point 4.39 or 3.88 behind the rim.
TEST_F(LensSimulation, ALensTurnedRoundKeepsItsFocalLength) {
    Choose(23);
    SetSubstance(8);
    struct Case {
        int p1, p2;
    };
    for (const Case c : {Case{5, 1}, Case{1, 5}, Case{2, 9}, Case{9, 2}, Case{3, 7}, Case{7, 3}}) {
        SetR1(c.p1);
        SetR2(c.p2);
        const double blue = Number(1, 3), red = Number(2, 3);
        SetR1(c.p2);
        SetR2(c.p1);
        EXPECT_NEAR(Number(1, 3), blue, 0.01) << c.p1 << " " << c.p2;
        EXPECT_NEAR(Number(2, 3), red, 0.01) << c.p1 << " " << c.p2;
    }
    SetR1(5);
    SetR2(1);
    EXPECT_EQ(Cell(1, 3), "3.97");
    EXPECT_EQ(Cell(1, 4), "4.39");
    SetR1(1);
    SetR2(5);
    EXPECT_EQ(Cell(1, 3), "3.97");
    EXPECT_EQ(Cell(1, 4), "3.88");
}

TEST_F(LensSimulation, PlanoConvexAndDoublet) {
    Choose(23);
    SetSubstance(4);
    SetR1(3);  // r1 = 10
    app.FKeyClick(FKey::F5);
    EXPECT_NEAR(Number(1, 3), ThickLensLength(10, 0, Sag(10), 1.515), 0.0051);
    EXPECT_NEAR(Number(1, 4), ThickLensFocus(10, 0, Sag(10), 1.515, 0), 0.0051);
    app.FKeyClick(FKey::F5);
    // A doublet of one substance is one lens 0.3 thicker.
    app.FKeyClick(FKey::F6);
    const double d = Sag(10) + Sag(5) + 0.3;
    EXPECT_NEAR(Number(1, 3), ThickLensLength(10, -5, d, 1.515), 0.0051);
    EXPECT_NEAR(Number(2, 3), ThickLensLength(10, -5, d, 1.505), 0.0051);
    EXPECT_NEAR(Number(1, 4), ThickLensFocus(10, -5, d, 1.515, Sag(5) + 0.3), 0.0051);
    EXPECT_NEAR(Number(2, 4), ThickLensFocus(10, -5, d, 1.505, Sag(5) + 0.3), 0.0051);
    SetSubstance2(7);
    EXPECT_EQ(Cell(0, 6), " Tæt flint, n");
    EXPECT_EQ(Cell(1, 6), "1.717");
    ExpectNoNan();
}

// Crown glass before a flint: the flint element's back face is shaped so that blue and
// red light meet; the other way round (the first substance dispersing more) no achromat
// exists, and the thin shell leaves the colour error as it was.
TEST_F(LensSimulation, CrownAndFlintMakeAnAchromat) {
    Choose(23);
    struct Case {
        int one, two, p1, p2;
        bool achromat;
    };
    const Case cases[] = {{4, 8, 1, 1, true},   {4, 8, 3, 1, true},  {4, 8, 1, 10, true},
                          {4, 8, 10, 10, true}, {4, 7, 1, 1, true},  {3, 8, 2, 4, true},
                          {1, 6, 1, 1, true},   {8, 4, 1, 1, false}, {7, 4, 3, 2, false},
                          {4, 4, 1, 1, false},  {3, 2, 4, 4, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.one) + "+" + std::to_string(c.two) + " r " +
                     std::to_string(c.p1) + "," + std::to_string(c.p2));
        if (app.State.ShowRays) app.FKeyClick(FKey::F6);
        SetSubstance(c.one);
        SetSubstance2(c.two);
        SetR1(c.p1);
        SetR2(c.p2);
        const double singleShift = Number(2, 3) - Number(1, 3);
        app.FKeyClick(FKey::F6);
        const double shift = Number(2, 3) - Number(1, 3), focusShift = Number(2, 4) - Number(1, 4);
        ExpectNoNan();
        if (c.achromat) {
            EXPECT_LE(std::abs(shift), singleShift / 4);
            EXPECT_LE(std::abs(focusShift), singleShift / 4);
            EXPECT_GT(Number(1, 3), 0);
        } else {
            EXPECT_GT(shift, singleShift * 0.9);
        }
        // The second element is 0.3 thick on the axis and thicker towards the rim, where
        // two lines close it: nowhere do its faces cross.
        const std::vector<Interface> faces = LensFaces(scene, true);
        ASSERT_EQ(faces.size(), 3u);
        EXPECT_NEAR(FaceX(faces[2].Face, 0) - FaceX(faces[1].Face, 0), 0.3, 1e-9);
        for (double y = 0.25; y <= LensRimHeight; y += 0.25)
            EXPECT_GE(FaceX(faces[2].Face, y) - FaceX(faces[1].Face, y), 0.3 - 1e-9) << y;
    }
    // The achromat's blue and red focal planes on one pixel column: blue above the axis,
    // red below, neither mixed with the other.
    SetSubstance(4);
    SetSubstance2(8);
    SetR1(1);
    SetR2(1);
    app.FKeyClick(FKey::F2);
    app.FKeyClick(FKey::F4);
    const int column = app.Map.PictureX(Number(1, 4));
    ASSERT_EQ(column, app.Map.PictureX(Number(2, 4)));
    EXPECT_EQ(started.picture().GetPixel(column, app.Map.PictureY(2.9)), clBlue);
    EXPECT_EQ(started.picture().GetPixel(column, app.Map.PictureY(-2.9)), clRed);
    ExpectSamePicture(Picture().copy(), Redrawn(), "achromat-focal-planes");
}

TEST_F(LensSimulation, SnellsLawAtEveryFaceOfEveryRay) {
    Choose(23);
    for (int k : {1, 4, 8}) {
        SetSubstance(k);
        for (bool plano : {false, true})
            for (bool doublet : {false, true}) {
                if (app.State.ShowRedRay != plano) app.FKeyClick(FKey::F5);
                if (app.State.ShowRays != doublet) app.FKeyClick(FKey::F6);
                SetSubstance2(9 - k);
                for (int angle : {-30, -12, 0, 7, 30}) {
                    SetAngle(angle);
                    for (bool blue : {true, false}) {
                        const std::vector<Interface> faces = LensFaces(scene, blue);
                        for (double c = -2.75; c <= 2.75; c += 0.25) {
                            const auto ray = TraceBeamRay(c, angle, faces);
                            if (!ray) continue;
                            SCOPED_TRACE("c " + std::to_string(c) + " angle " +
                                         std::to_string(angle));
                            ExpectSnellAlong(*ray, faces);
                        }
                    }
                }
            }
    }
}

TEST_F(LensSimulation, TheStopCutsTheOuterRays) {
    Choose(23);
    app.FKeyClick(FKey::F4);
    const auto heights = [&](bool blue) {
        std::vector<double> h;
        for (const BeamRay& ray : BeamOf(scene))
            if (ray.Blue == blue && !ray.Axis) h.push_back(ray.Height);
        std::sort(h.begin(), h.end());
        return h;
    };
    EXPECT_EQ(heights(true), (std::vector<double>{-2, -1.5, -1, -0.5, 0.5, 1, 1.5, 2}));
    EXPECT_EQ(heights(false),
              (std::vector<double>{-1.75, -1.25, -0.75, -0.25, 0.25, 0.75, 1.25, 1.75}));
    // The picture agrees: a blue ray at height 2 left of the stop, none at 2.5.
    const int column = app.Map.PictureX(-3);
    EXPECT_EQ(started.picture().GetPixel(column, app.Map.PictureY(2)), clBlue);
    EXPECT_EQ(started.picture().GetPixel(column, app.Map.PictureY(2.5)), clWhite);
    app.FKeyClick(FKey::F3);
    EXPECT_EQ(heights(true), (std::vector<double>{-1, -0.5, 0.5, 1}));
    EXPECT_EQ(heights(false), (std::vector<double>{-0.75, -0.25, 0.25, 0.75}));
    EXPECT_EQ(started.picture().GetPixel(column, app.Map.PictureY(1.5)), clWhite);
    // At 30° the lowest rays hit the stop and the highest miss the lens's rim.
    app.FKeyClick(FKey::F3);
    SetAngle(30);
    EXPECT_EQ(heights(true).front(), -1);
    EXPECT_FALSE(TraceBeamRay(2.5, 30, LensFaces(scene, true)).has_value());
    SetAngle(-30);
    EXPECT_EQ(heights(true).back(), 1);
}

TEST_F(LensSimulation, EveryToggleTwiceLeavesThePicture) {
    Choose(23);
    SetAngle(10);
    test::ExpectTogglesTwiceRestore(started, {FKey::F2, FKey::F3, FKey::F4, FKey::F5, FKey::F6},
                                    "lens");
    Choose(25);
    test::ExpectTogglesTwiceRestore(started, {FKey::F2, FKey::F3, FKey::F4, FKey::F6}, "system");
}

TEST_F(LensSimulation, NameChangesMatchAFullRedraw) {
    Choose(23);
    SetSubstance(8);
    QImage drawn = Picture().copy();
    ExpectSamePicture(drawn, Redrawn(), "lens-long-name");
    app.FKeyClick(FKey::F6);
    SetSubstance2(1);
    drawn = Picture().copy();
    ExpectSamePicture(drawn, Redrawn(), "lens-second-name");
    app.FKeyClick(FKey::F6);
    drawn = Picture().copy();
    ExpectSamePicture(drawn, Redrawn(), "lens-name-gone");
}

TEST_F(LensSimulation, RandomUseOfLensMatchesAFullRedraw) {
    Choose(23);
    test::ExpectRandomUseMatchesRedraw(started, 2315,
                                       {Control::ScrollBar1, Control::TrackBar1, Control::TrackBar2,
                                        Control::TrackBar3, Control::TrackBar4},
                                       {FKey::F2, FKey::F3, FKey::F4, FKey::F5, FKey::F6}, "lens");
}

TEST_F(LensSimulation, RandomUseOfLensSystemMatchesAFullRedraw) {
    Choose(25);
    test::ExpectRandomUseMatchesRedraw(started, 2515,
                                       {Control::ScrollBar1, Control::TrackBar1, Control::TrackBar2,
                                        Control::TrackBar3, Control::TrackBar4},
                                       {FKey::F2, FKey::F3, FKey::F4, FKey::F6}, "lens-system");
}

TEST_F(LensSimulation, LensSystemTable) {
    Choose(25);
    SetSubstance(4);
    SetSubstance2(7);
    SetR2(3);  // r2 = 10
    test::ExpectCells(app,
                      {{0, 0, "Linsesystemer"}, {1, 0, "linse 1"}, {1, 1, "5.0"}, {2, 1, "10.0"}});
    // Each lens's focal length, and its focal point measured from the first lens's rim.
    EXPECT_EQ(Cell(0, 2), " brændvidde/cm");
    EXPECT_EQ(Cell(0, 3), " brændpunkt, x/cm");
    EXPECT_NEAR(Number(1, 2), ThickLensLength(5, -5, 1, 1.515), 0.0051);
    EXPECT_NEAR(Number(2, 2), ThickLensLength(10, -10, 2 * Sag(10), 1.717), 0.0051);
    EXPECT_NEAR(Number(1, 3), ThickLensFocus(5, -5, 1, 1.515, 0.5), 0.0051);
    EXPECT_NEAR(Number(2, 3), ThickLensFocus(10, -10, 2 * Sag(10), 1.717, 1.1 + 2 * Sag(10)),
                0.0051);
    test::ExpectCells(app,
                      {{1, 4, "Kronglas"}, {2, 4, "Tæt flint"}, {1, 5, "1.515"}, {2, 6, "1.686"}});
    EXPECT_EQ(app.Window.Panel1, "r1=5.0");
    EXPECT_EQ(app.Window.Panel2, "r2=10.0");
    // The concave lens, 0.2 thick at its middle: a negative focal length.
    app.FKeyClick(FKey::F6);
    EXPECT_NEAR(Number(2, 2), ThickLensLength(-10, 10, 0.2, 1.717), 0.0051);
    EXPECT_LT(Number(2, 2), 0);
    ExpectNoNan();
}

TEST_F(LensSimulation, LensSystemRaysObeySnell) {
    Choose(25);
    for (bool concave : {false, true}) {
        if (app.State.ShowRays != concave) app.FKeyClick(FKey::F6);
        for (int p : {1, 5, 10}) {
            SetR1(p);
            SetR2(11 - p);
            std::vector<Interface> faces;
            for (int lens = 1; lens <= 2; ++lens) {
                const SystemLens element = SystemLensOf(scene, lens, true);
                faces.insert(faces.end(), element.Faces.begin(), element.Faces.end());
            }
            for (int angle : {-20, 0, 15})
                for (double c = -2.5; c <= 2.5; c += 0.5)
                    if (const auto ray = TraceBeamRay(c, angle, faces))
                        ExpectSnellAlong(*ray, faces);
        }
    }
}

// Events a simulation has no use for leave the picture and the table alone; the sheet of
// outlines is drawn on a full redraw only.
TEST_F(LensSimulation, OtherEventsDrawNothing) {
    for (std::uint16_t n : {23, 25, 30}) {
        Choose(n);
        const QImage before = Picture().copy();
        const std::string focus = Cell(1, 3);
        std::vector<Event> events{Event::Tick, Event::Step, Event::ScrollBar2, Event::ScrollBar3};
        if (n == 25) events.push_back(Event::F5);
        if (n == 30)
            events.insert(events.end(), {Event::ScrollBar1, Event::TrackBar1, Event::TrackBar2,
                                         Event::F2, Event::F6});
        for (Event event : events) app.DrawSimulation(event, false, *app.Image);
        ExpectSamePicture(Picture().copy(), before, "lens-other-events-" + std::to_string(n));
        EXPECT_EQ(Cell(1, 3), focus);
    }
}

TEST_F(LensSimulation, OutlineSheetShowsSixLenses) {
    Choose(30);
    const double xs[] = {-7.5, -5, -2.5, 0, 2.5, 5};
    const double rs[] = {10, 5, 5, 10, 4, 3};
    for (int k = 0; k < 6; ++k) {
        // The left vertex, and white just outside it and inside the lens.
        const int y = app.Map.PictureY(0);
        const int x = app.Map.PictureX(xs[k] - Sag(rs[k]));
        EXPECT_EQ(started.picture().GetPixel(x, y), clBlack) << k;
        EXPECT_EQ(started.picture().GetPixel(x - 3, y), clWhite) << k;
        EXPECT_EQ(started.picture().GetPixel(app.Map.PictureX(xs[k]), y), clWhite) << k;
        EXPECT_EQ(
            started.picture().GetPixel(app.Map.PictureX(xs[k]), app.Map.PictureY(LensRimHeight)),
            clBlack)
            << k;
    }
}

}  // namespace
}  // namespace viv
