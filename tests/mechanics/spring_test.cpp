// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/mechanics/spring.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "library/format.h"
#include "mechanics_checks.h"
#include "sims/mechanics/spring_state.h"
#include "sims/simulations.h"

namespace viv {
namespace {

using test::ExpectSamePicture;

constexpr double kPi = 3.14159265358979323846;
constexpr double kG = 9.816;  // m/s^2

class SpringSimulation : public ::testing::Test {
protected:
    SpringSimulation() {
        started.host.now = kStart;
        app.MenuEntry(36);
    }

    void SetK(int k) { app.ControlChange(Control::TrackBar1, k - 9); }
    void SetWeights(int n) { app.ControlChange(Control::TrackBar2, n); }
    void SetAmplitudeCm(int cm) {
        app.ControlChange(Control::ScrollBar1, 60 - 6 * cm);
    }  // A = cm / 100 m
    void Run() {
        if (!app.Window.Clock.Enabled) app.RunButtonClick();
    }
    // A tick of the running clock `ms` milliseconds after the menu entry.
    void TickAt(std::uint32_t ms) {
        started.host.now = kStart + ms;
        app.OnClockTick();
    }
    QImage Picture() { return started.picture().Image().copy(); }

    // The lower end of the drawn rod, read off a full redraw on a large page: metres of
    // elongation (one world unit is 0.1 m, the unstretched end at y = 0).
    double DrawnElongation() {
        const test::LargeRecording rec = test::RecordedAtScale(app);
        for (const test::Figure& f : rec.figures)
            if (f.kind == "polyline" && f.points.size() == 16)
                return -rec.world.Y(f.points.back()) / 10;
        ADD_FAILURE() << "no spring drawn";
        return 0;
    }

    static constexpr std::uint32_t kStart = 1234567;  // ms on the host's clock
    test::StartedApp started;
    App& app = started.app;
    Scene scene{app};
};

TEST_F(SpringSimulation, TwoWeightsOnTenNewtonsPerMetreHangAtRestWithTheirReadOuts) {
    SetWeights(2);
    EXPECT_NEAR(SpringOf(scene).SpringPeriod, 0.6283, 0.00005);
    EXPECT_NEAR(SpringOf(scene).SpringPosition - 3, 0.09816, 1e-9);
    test::ExpectPanels(app, "dx=  0.098m", "m=0.10 kg", "k=10.0 N/m");
    // At rest with the clock stopped: only the potential energy, nothing stored.
    test::ExpectCells(app, {{0, 0, "Fjedersvingning"}, {0, 1, " fjederforlængelse, x/m"}});
    test::ExpectColumn(app, 1, 1, {"0.098", "0.10", "10.0", "0.000", "", ""});
    EXPECT_NEAR(DrawnElongation(), 0.09816, 0.001);
}

TEST_F(SpringSimulation, TheMassInTheTableKeepsTheWeightsHundredths) {
    for (const int n : {0, 1, 3, 5}) {
        SetWeights(n);
        EXPECT_EQ(app.Table.Cell(1, 2), FormatReal(1, 2, 0.05 * n)) << n;
        EXPECT_EQ(app.Window.Panel2, "m=" + app.Table.Cell(1, 2) + " kg");
    }
    EXPECT_EQ(app.Table.Cell(1, 2), "0.25");
}

// x(t) = e + A sin(2 pi t / T) with T = 2 pi sqrt(m / k) and e = m g / k, at times the test
// puts on the host's clock, for several springs.
TEST_F(SpringSimulation, RunningSpringFollowsTheHarmonicMotionInRealTime) {
    Run();
    struct Case {
        int k, n, cm;
    };
    for (const Case c : {Case{10, 2, 5}, Case{20, 5, 10}, Case{13, 1, 3}, Case{17, 4, 7}}) {
        SetK(c.k);
        SetWeights(c.n);
        SetAmplitudeCm(c.cm);
        const double m = 0.05 * c.n, A = c.cm / 100.0;
        const double T = 2 * kPi * std::sqrt(m / c.k), e = m * kG / c.k;
        for (const std::uint32_t ms : {0u, 77u, 157u, 400u, 1000u, 12345u, 3600000u}) {
            TickAt(ms);
            const double t = ms / 1000.0;
            const double want = e + A * std::sin(2 * kPi * t / T);
            SCOPED_TRACE("k=" + std::to_string(c.k) + " n=" + std::to_string(c.n) +
                         " t=" + std::to_string(t));
            EXPECT_NEAR(SpringOf(scene).SpringPosition - 3, want, 1e-9);
            EXPECT_NEAR(std::stod(app.Table.Cell(1, 1)), want, 0.0005);
            EXPECT_NEAR(std::stod(app.Window.Panel1.substr(3)), want, 0.0005);
            EXPECT_NEAR(DrawnElongation(), want, 0.001);
        }
    }
}

// Epot = k (x - e)^2 / 2 at the elongation reached, Emek = k A^2 / 2, and Epot + Ekin = Emek
// at every moment of a period.
TEST_F(SpringSimulation, PotentialAndKineticEnergyAddUpToTheMechanicalEnergyOverAPeriod) {
    SetK(20);
    SetWeights(4);
    SetAmplitudeCm(10);
    Run();
    const double k = 20, m = 0.2, A = 0.1, e = m * kG / k;
    const double T = 2 * kPi * std::sqrt(m / k);
    const double Emek = k * A * A / 2;
    for (int i = 0; i <= 40; ++i) {
        const auto ms = static_cast<std::uint32_t>(std::lround(i * T * 1000 / 40));
        TickAt(ms);
        const double x = e + A * std::sin(2 * kPi * (ms / 1000.0) / T);
        const double pot = std::stod(app.Table.Cell(1, 4));
        const double kin = std::stod(app.Table.Cell(1, 5));
        const double mek = std::stod(app.Table.Cell(1, 6));
        SCOPED_TRACE("ms=" + std::to_string(ms));
        EXPECT_NEAR(pot, k * (x - e) * (x - e) / 2, 0.0005);
        EXPECT_NEAR(mek, Emek, 0.0005);
        EXPECT_NEAR(pot + kin, Emek, 0.0011);
        EXPECT_GE(kin, 0);
    }
}

// With no weights nothing oscillates: the spring keeps its rest length and every energy
// is 0, whatever the clock says.
TEST_F(SpringSimulation, WithNoWeightsTheSpringRestsAndNoEnergyIsShown) {
    SetWeights(0);
    Run();
    app.FKeyClick(FKey::F2);
    app.FKeyClick(FKey::F5);
    for (const std::uint32_t ms : {1u, 33u, 1000u, 123457u}) {
        TickAt(ms);
        EXPECT_DOUBLE_EQ(SpringOf(scene).SpringPosition, 3.0);
        EXPECT_DOUBLE_EQ(SpringOf(scene).SpringPhase, 0.0);
        EXPECT_EQ(app.Window.Panel1, "dx=  0.000m");
        EXPECT_EQ(app.Table.Cell(1, 4), "0.000");
        EXPECT_EQ(app.Table.Cell(1, 5), "0.000");
        EXPECT_EQ(app.Table.Cell(1, 6), "0.000");
        test::ExpectNoNanShown(app);
    }
    EXPECT_NEAR(DrawnElongation(), 0, 0.0005);
}

TEST_F(SpringSimulation, ElapsedTimeIsRightAcrossTheWrapOfTheHostsClock) {
    started.host.now = 0xFFFFFFFFu - 499;  // 500 ms before the clock wraps
    app.MenuEntry(36);
    Run();
    started.host.now = 1500;  // 2 s later
    app.OnClockTick();
    EXPECT_DOUBLE_EQ(SpringOf(scene).SpringTime, 2.0);
}

TEST_F(SpringSimulation, StoppingTheClockLeavesOnlyThePotentialEnergyInTheTable) {
    Run();
    app.FKeyClick(FKey::F5);
    TickAt(100);
    EXPECT_NE(app.Table.Cell(1, 5), "");
    app.RunButtonClick();
    app.FKeyClick(FKey::F2);
    EXPECT_NE(app.Table.Cell(1, 4), "");
    EXPECT_EQ(app.Table.Cell(1, 5), "");
    EXPECT_EQ(app.Table.Cell(1, 6), "");
    // The next change of the spring puts it at rest.
    SetK(15);
    EXPECT_NEAR(SpringOf(scene).SpringPosition - 3, 0.05 * kG / 15, 1e-12);
}

// The energy diagram, its labels and the rest level come and go without a trace, also
// over the measuring scale's labels.
TEST_F(SpringSimulation, EnergyDiagramTurnedOffLeavesNothingBehind) {
    const QImage plain = Picture();
    const World& w = app.Map;
    const int insetLeft = w.PictureWidth * 3 / 5;
    const int insetBottom = w.PictureHeight - w.PictureHeight / 3;
    app.FKeyClick(FKey::F5);
    EXPECT_GT(test::InkIn(Picture(), insetLeft, 0, w.PictureWidth, insetBottom), 500);
    app.FKeyClick(FKey::F5);
    ExpectSamePicture(Picture(), plain, "spring-f5-off");
    for (const int n : {0, 2, 5}) {
        SetWeights(n);
        app.FKeyClick(FKey::F6);
        test::ExpectToggleTwiceRestores(started, FKey::F5,
                                        "spring-f5-over-scale-" + std::to_string(n));
        app.FKeyClick(FKey::F6);
    }
}

TEST_F(SpringSimulation, EachToggleTwiceLeavesThePicture) {
    SetWeights(3);
    Run();
    TickAt(250);
    for (const FKey key : {FKey::F2, FKey::F5, FKey::F6}) {
        test::ExpectToggleTwiceRestores(
            started, key, "spring-toggle-" + std::to_string(static_cast<int>(key) + 2));
        app.FKeyClick(key);  // and on with the next
    }
    for (const FKey key : {FKey::F2, FKey::F5, FKey::F6})
        test::ExpectToggleTwiceRestores(
            started, key, "spring-toggle-all-on-" + std::to_string(static_cast<int>(key) + 2));
}

TEST_F(SpringSimulation, PictureAfterAnyRunningSequenceEqualsItsFullRedraw) {
    test::ExpectRandomRunMatchesRedraw(
        started, 36, {Control::ScrollBar1, Control::TrackBar1, Control::TrackBar2},
        {FKey::F2, FKey::F5, FKey::F6}, "spring");
}

// The phase pointer turns with the oscillation: its height follows the weight's
// displacement below the rest level.
TEST_F(SpringSimulation, PhasePointerTurnsWithTheOscillation) {
    SetWeights(2);
    Run();
    app.FKeyClick(FKey::F2);
    const double T = 2 * kPi * std::sqrt(0.1 / 10.0);
    for (const std::uint32_t ms : {0u, 100u, 314u, 500u}) {
        TickAt(ms);
        const double phase = 2 * kPi * (ms / 1000.0) / T;
        EXPECT_NEAR(std::sin(SpringOf(scene).SpringPhase), -std::sin(phase), 1e-9);
        EXPECT_NEAR(std::cos(SpringOf(scene).SpringPhase), -std::cos(phase), 1e-9);
    }
}

}  // namespace
}  // namespace viv
