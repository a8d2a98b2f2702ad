// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/mechanics/standing_waves.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "mechanics_checks.h"
#include "sims/mechanics/string_waves_state.h"
#include "sims/simulations.h"

namespace viv {
namespace {

using test::ExpectSamePicture;

class StandingWaves : public test::StartedOn {
protected:
    StandingWaves() : StartedOn(38) {}

    void SetPipe(int type) { app.ControlChange(Control::TrackBar2, type); }
    void SetHarmonic(int k) { app.ControlChange(Control::TrackBar1, k + 1); }

    struct Curve {
        std::vector<double> x, y;  // world units
    };
    // The displacement curve (black) or the pressure curve (green) of a full redraw.
    Curve Drawn(TColor colour) {
        const test::LargeRecording rec = test::RecordedAtScale(app);
        Curve c;
        for (const test::Figure& f : rec.figures) {
            if (f.kind != "polyline" || f.pen.Color != colour || f.points.size() < 30) continue;
            for (const TPoint& p : f.points) {
                c.x.push_back(rec.world.X(p));
                c.y.push_back(rec.world.Y(p));
            }
        }
        return c;
    }
    // Where the curve crosses zero, by linear interpolation; a zero sample counts once.
    static std::vector<double> Zeros(const Curve& c, double tolerance) {
        std::vector<double> out;
        for (std::size_t i = 0; i < c.x.size(); ++i) {
            if (std::abs(c.y[i]) < tolerance) {
                if (out.empty() || c.x[i] - out.back() > 0.3) out.push_back(c.x[i]);
            } else if (i + 1 < c.x.size() && std::abs(c.y[i + 1]) >= tolerance &&
                       (c.y[i] > 0) != (c.y[i + 1] > 0)) {
                out.push_back(c.x[i] + (c.x[i + 1] - c.x[i]) * c.y[i] / (c.y[i] - c.y[i + 1]));
            }
        }
        return out;
    }
};

// Where a pipe of length L has displacement nodes for overtone k: a half-open pipe (closed
// at x = 0, open at 8) holds 2k + 1 quarter wavelengths, lambda = 4L / (2k + 1); an open
// and a closed pipe (from -8 to 8) hold k + 1 half wavelengths, lambda = 2L / (k + 1). Nodes
// lie half a wavelength apart, from the closed end, or a quarter wavelength in from an
// open end.
std::vector<double> ExpectedNodes(int type, int k) {
    std::vector<double> nodes;
    if (type == 1) {
        const double lambda = 4 * 8.0 / (2 * k + 1);
        for (double x = 0; x <= 8 + 1e-9; x += lambda / 2) nodes.push_back(x);
    } else {
        const double lambda = 2 * 16.0 / (k + 1);
        const double first = type == 3 ? -8 : -8 + lambda / 4;
        for (double x = first; x <= 8 + 1e-9; x += lambda / 2) nodes.push_back(x);
    }
    return nodes;
}

TEST_F(StandingWaves, DisplacementNodesLieWhereThePipeAndTheHarmonicPutThem) {
    app.FKeyClick(FKey::F2);
    Steps(4);  // sin tau = sin 1.6, near the greatest swing
    const double swing = std::sin(1.6);
    for (const int type : {1, 2, 3}) {
        SetPipe(type);
        for (int k = 0; k <= 5; ++k) {
            SetHarmonic(k);
            SCOPED_TRACE("pipe " + std::to_string(type) + ", overtone " + std::to_string(k));
            const Curve c = Drawn(clBlack);
            ASSERT_GT(c.x.size(), 30u);
            EXPECT_NEAR(c.x.front(), type == 1 ? 0 : -8, 0.01);
            EXPECT_NEAR(c.x.back(), 8, 0.01);
            const std::vector<double> want = ExpectedNodes(type, k);
            const std::vector<double> got = Zeros(c, 0.002);
            ASSERT_EQ(got.size(), want.size());
            for (std::size_t i = 0; i < want.size(); ++i) EXPECT_NEAR(got[i], want[i], 0.03) << i;
            // Open ends are antinodes, closed ends nodes.
            const bool leftClosed = type != 2, rightClosed = type == 3;
            EXPECT_NEAR(std::abs(c.y.front()), leftClosed ? 0 : swing, 0.003);
            EXPECT_NEAR(std::abs(c.y.back()), rightClosed ? 0 : swing, 0.003);
        }
    }
}

// Pressure swings most where the air stands still: the pressure curve's zeros lie
// midway between the displacement nodes.
TEST_F(StandingWaves, PressureAntinodesAreAtTheDisplacementNodes) {
    app.FKeyClick(FKey::F2);
    app.FKeyClick(FKey::F4);
    Steps(4);
    const double swing = std::sin(1.6);
    for (const int type : {1, 2, 3}) {
        SetPipe(type);
        SetHarmonic(2);
        const Curve u = Drawn(clBlack), p = Drawn(clGreen);
        ASSERT_EQ(u.x.size(), p.x.size());
        for (std::size_t i = 0; i < u.x.size(); ++i) {
            // |u| / swing and |p| / (swing / 2) are a sine and a cosine of the same angle.
            const double a = u.y[i] / swing, b = 2 * p.y[i] / swing;
            EXPECT_NEAR(a * a + b * b, 1, 0.02) << "pipe " << type << " x=" << u.x[i];
        }
    }
}

TEST_F(StandingWaves, PanelNamesTheHarmonic) {
    EXPECT_EQ(app.Window.Panel3, "grundtone");
    SetHarmonic(2);
    EXPECT_EQ(app.Window.Panel3, "2. overtone");
    SetHarmonic(5);
    EXPECT_EQ(app.Window.Panel3, "5. overtone");
    SetHarmonic(0);
    EXPECT_EQ(app.Window.Panel3, "grundtone");
}

// The air layers swing with the displacement: a quarter of it, about their rest places.
TEST_F(StandingWaves, AirLayersSwingAboutTheirPlaces) {
    Steps(3);
    const double a = std::sin(1.2);
    const test::LargeRecording rec = test::RecordedAtScale(app);
    std::vector<double> layers;
    for (const test::Figure& f : rec.figures)
        if (f.kind == "line" && std::abs(rec.world.Y(f.points[0]) - 1.8) < 0.01)
            layers.push_back(rec.world.X(f.points[0]));
    ASSERT_EQ(layers.size(), 16u);  // 0.5, 1, .. 8: none in the closed end's wall
    const double q = 2 * std::numbers::pi / 32;
    for (std::size_t i = 0; i < layers.size(); ++i) {
        const double x = 0.5 * static_cast<double>(i + 1);
        EXPECT_NEAR(layers[i], x + 0.25 * a * std::sin(q * x), 0.002);
    }
    // The closed pipe has no layer in either wall; the open pipe has one at each open end.
    for (const int type : {2, 3}) {
        SetPipe(type);
        const test::LargeRecording r = test::RecordedAtScale(app);
        int count = 0;
        for (const test::Figure& f : r.figures)
            if (f.kind == "line" && std::abs(r.world.Y(f.points[0]) - 1.8) < 0.01) ++count;
        EXPECT_EQ(count, type == 2 ? 33 : 31) << type;
    }
}

// F3 leaves the curves' traces, which outline the envelope; turning it off clears them.
TEST_F(StandingWaves, FreezingKeepsTracesAndThawingClearsThem) {
    app.FKeyClick(FKey::F2);
    app.FKeyClick(FKey::F4);
    app.FKeyClick(FKey::F3);
    Steps(3);
    const QImage frozen = Picture();
    const QImage single = test::Redrawn(started);
    // A redraw with F3 on shows the layers only; the traces are many curves.
    EXPECT_GT(test::InkIn(frozen, 0, 0, frozen.width(), frozen.height()),
              test::InkIn(single, 0, 0, single.width(), single.height()) + 500);
    // The traces come back as the clock runs, and every one of them stays.
    Steps(40);
    const QImage more = Picture();
    EXPECT_GT(test::InkIn(more, 0, 0, more.width(), more.height()),
              test::InkIn(frozen, 0, 0, frozen.width(), frozen.height()));
    app.FKeyClick(FKey::F3);
    const QImage thawed = Picture();
    ExpectSamePicture(thawed, test::Redrawn(started), "standing-thawed");
}

TEST_F(StandingWaves, EachToggleAndThePipeTwiceLeaveThePicture) {
    Steps(5);
    for (const FKey key : {FKey::F2, FKey::F4, FKey::F6}) {
        test::ExpectToggleTwiceRestores(
            started, key, "standing-toggle-" + std::to_string(static_cast<int>(key) + 2));
        app.FKeyClick(key);
    }
    const QImage before = Picture();
    SetPipe(3);
    SetPipe(1);
    ExpectSamePicture(Picture(), before, "standing-pipe-twice");
}

TEST_F(StandingWaves, PictureAfterAnyRunningSequenceEqualsItsFullRedraw) {
    test::ExpectRandomRunMatchesRedraw(
        started, 38, {Control::ScrollBar1, Control::TrackBar1, Control::TrackBar2},
        {FKey::F2, FKey::F4, FKey::F6}, "standing");
}

}  // namespace
}  // namespace viv
