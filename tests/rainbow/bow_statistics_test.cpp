// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/rainbow/bow_statistics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

#include "library/colour_table.h"
#include "test_host.h"

namespace viv {
namespace {

constexpr int Rays = 20001;

// What a drop does with the 20,001 rays of one colour, worked out ray by ray with the
// library's arc sine left aside: exact angles and the Fresnel coefficients in their
// cosine form.
struct ExactStatistics {
    std::array<int, 181> count{};
    std::array<double, 181> below{}, above{};
};

double Reflected(double n, double i, double r, int mode) {
    const double ci = std::cos(i), cr = std::cos(r);
    const double rs = (ci - n * cr) / (ci + n * cr);
    const double rp = (n * ci - cr) / (n * ci + cr);
    return mode == 1 ? rs * rs : rp * rp;
}

// The light leaving after `inside` reflections inside the drop.
double Leaving(double n, double p, int inside, int mode) {
    const double i = std::asin(p), r = std::asin(p / n);
    const auto part = [&](int m) {
        const double R = Reflected(n, i, r, m);
        return std::pow(R, inside) * (1 - R) * (1 - R) / 2;
    };
    return mode == 0 ? part(1) + part(2) : part(mode);
}

ExactStatistics CountExactly(const RainbowAngles& bows, int c, int mode) {
    const double n = Colour(c).WaterIndex;
    const double a1 = bows.PrimaryBowAngle[c], a2 = bows.SecondaryBowAngle[c];
    const double f1 = a1 - std::floor(a1), f2 = a2 - std::floor(a2);
    const int t1 =
        mode == 0 ? 20000 : static_cast<int>(std::lround(bows.PrimaryBowParameter[c] * 20000));
    const int t2 =
        mode == 0 ? 20000 : static_cast<int>(std::lround(bows.SecondaryBowParameter[c] * 20000));
    ExactStatistics out;
    for (int j = 0; j < Rays; ++j) {
        const double p = j / 20000.0;
        const double i = std::asin(p) * DegPerRad, r = std::asin(p / n) * DegPerRad;
        const double d1 = 4 * r - 2 * i, d2 = 180 + 2 * i - 6 * r;
        const int k1 = std::clamp(static_cast<int>(std::floor(d1 + 1 - f1)), 0, 180);
        const int k2 = std::clamp(static_cast<int>(std::floor(d2 - f2)), 0, 180);
        ++out.count[k1];
        ++out.count[k2];
        (j < t1 ? out.below : out.above)[k1] += Leaving(n, p, 1, mode);
        (j < t2 ? out.below : out.above)[k2] += Leaving(n, p, 2, mode);
    }
    return out;
}

class BowStatisticsEngine : public ::testing::Test {
protected:
    BowStatistics& St() { return BowStatsOf(scene); }
    const auto& Counts(int c) const {
        return app.Buffers->RayCount[static_cast<std::size_t>(c - 1)];
    }
    const auto& Below(int c) const {
        return app.Buffers->IntensityBelow[static_cast<std::size_t>(c - 1)];
    }
    const auto& Above(int c) const {
        return app.Buffers->IntensityAbove[static_cast<std::size_t>(c - 1)];
    }
    const RainbowAngles& Bows() const { return app.State.Rainbow; }

    test::StartedApp started;
    App& app = started.app;
    Scene scene{app};
};

TEST_F(BowStatisticsEngine, BuffersStartEmpty) {
    for (int c = 1; c <= 8; ++c) {
        for (int k = 0; k < 181; ++k) {
            ASSERT_EQ(Counts(c)[k], 0);
            ASSERT_EQ(Below(c)[k], 0.0);
            ASSERT_EQ(Above(c)[k], 0.0);
        }
    }
    for (int k = 0; k < 181; ++k) {
        ASSERT_EQ(app.Buffers->ColourSumCount[k], 0.0);
        ASSERT_EQ(app.Buffers->ColourSumIntensity[k], 0.0);
    }
}

TEST_F(BowStatisticsEngine, ArcSineTableExactEveryEighthRayAndCloseBetween) {
    BuildArcSinTable(scene);
    const std::vector<double>& table = app.Buffers->ArcSinTable;
    ASSERT_EQ(table.size(), static_cast<std::size_t>(Rays));
    EXPECT_EQ(table[0], 0.0);
    EXPECT_DOUBLE_EQ(table[20000], std::asin(1.0));
    double worstInside = 0;
    for (int j = 0; j < Rays; ++j) {
        const double exact = std::asin(j / 20000.0);
        if (j % 8 == 0) {
            ASSERT_NEAR(table[j], exact, 1e-15) << j;
        }
        if (j > 0) {
            ASSERT_GT(table[j], table[j - 1]) << j;
        }
        if (j <= 19000) worstInside = std::max(worstInside, std::abs(table[j] - exact));
        // A straight piece lies above the arc sine, which curves upwards.
        ASSERT_GE(table[j], exact - 1e-15) << j;
        ASSERT_LT(table[j] - exact, 0.01) << j;
    }
    EXPECT_LT(worstInside, 1e-6);
}

TEST_F(BowStatisticsEngine, LightFractionsAgreeWithTheFresnelEquations) {
    BuildArcSinTable(scene);
    for (int c : {1, 4, 8}) {
        const double n = Colour(c).WaterIndex;
        const double r0 = std::pow((n - 1) / (n + 1), 2);
        for (int mode = 0; mode <= 2; ++mode) {
            St().PolarisationMode = static_cast<std::uint16_t>(mode);
            ComputeFresnelSamples(scene, c);
            const double share = mode == 0 ? 1.0 : 0.5;
            // Straight in: R0 at each of the surfaces the light is reflected at, (1 - R0)
            // at the two it passes.
            EXPECT_NEAR(St().SampleOnce[0], share * r0 * (1 - r0) * (1 - r0), 1e-15);
            EXPECT_NEAR(St().SampleTwice[0], share * r0 * r0 * (1 - r0) * (1 - r0), 1e-15);
            EXPECT_EQ(St().SampleRefraction[0], 0.0);
            for (int s :
                 {4, 8, 500, 1000, 1720, 1900, 1996}) {  // where the arc-sine table is exact
                const double p = s / 2000.0;
                EXPECT_NEAR(St().SampleRefraction[s], std::asin(p / n), 1e-12);
                EXPECT_NEAR(St().SampleOnce[s], Leaving(n, p, 1, mode), 1e-12)
                    << "colour " << c << " mode " << mode << " sample " << s;
                EXPECT_NEAR(St().SampleTwice[s], Leaving(n, p, 2, mode), 1e-12);
            }
            // Grazing light is all reflected at the surface: none gets in.
            EXPECT_NEAR(St().SampleOnce[2000], 0.0, 1e-12);
            EXPECT_EQ(St().SampleOnce[2001], 0.0);
            EXPECT_EQ(St().SampleTwice[2001], 0.0);
        }
        // The two polarisations together are the unpolarised light.
        St().PolarisationMode = 1;
        ComputeFresnelSamples(scene, c);
        const auto perpendicular = St().SampleOnce;
        St().PolarisationMode = 2;
        ComputeFresnelSamples(scene, c);
        const auto parallel = St().SampleOnce;
        St().PolarisationMode = 0;
        ComputeFresnelSamples(scene, c);
        for (int s = 0; s <= 2001; ++s)
            ASSERT_NEAR(perpendicular[s] + parallel[s], St().SampleOnce[s], 1e-15) << s;
    }
}

TEST_F(BowStatisticsEngine, EveryRayIsCountedOnceOnEachSide) {
    for (int c = 1; c <= 8; ++c) {
        CountRays(scene, c);
        const auto& counts = Counts(c);
        EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), 0), 2 * Rays) << c;
        const int t1 = static_cast<int>(Bows().PrimaryBowAngle[c]);
        const int t2 = static_cast<int>(Bows().SecondaryBowAngle[c]);
        // The primary side ends at the bow angle, the secondary starts at its own.
        int primary = 0, secondary = 0;
        for (int k = 0; k <= t1; ++k) primary += counts[k];
        for (int k = t2; k <= 180; ++k) secondary += counts[k];
        EXPECT_EQ(primary, Rays) << c;
        EXPECT_EQ(secondary, Rays) << c;
        for (int k = t1 + 1; k < t2; ++k) EXPECT_EQ(counts[k], 0) << "dark band, colour " << c;
        // The central ray goes straight back, beyond the plotted range.
        EXPECT_GE(counts[0], 1);
        EXPECT_GE(counts[179] + counts[180], 1);
    }
}

TEST_F(BowStatisticsEngine, RaysPileUpJustInsideEachBowAngle) {
    for (int c = 1; c <= 8; ++c) {
        CountRays(scene, c);
        const auto& counts = Counts(c);
        const int t1 = static_cast<int>(Bows().PrimaryBowAngle[c]);
        const int t2 = static_cast<int>(Bows().SecondaryBowAngle[c]);
        const auto* const top1 = std::max_element(counts.begin() + 1, counts.begin() + t1 + 1);
        const auto* const top2 = std::max_element(counts.begin() + t2, counts.begin() + 180);
        EXPECT_EQ(top1 - counts.begin(), t1) << "colour " << c;
        EXPECT_EQ(top2 - counts.begin(), t2) << "colour " << c;
        EXPECT_EQ(St().PrimaryPeak[c], *top1);
        EXPECT_EQ(St().SecondaryPeak[c], *top2);
    }
}

TEST_F(BowStatisticsEngine, CountsAndLightAgreeWithRaysTracedOneByOne) {
    for (int mode = 0; mode <= 2; ++mode) {
        St().PolarisationMode = static_cast<std::uint16_t>(mode);
        for (int c : {1, 4, 5, 8}) {
            CountRays(scene, c);
            const ExactStatistics exact = CountExactly(Bows(), c, mode);
            int moved = 0;
            double light = 0, lightDiff = 0;
            for (int k = 0; k <= 180; ++k) {
                moved += std::abs(Counts(c)[k] - exact.count[k]);
                light += exact.below[k] + exact.above[k];
                lightDiff +=
                    std::abs(Below(c)[k] - exact.below[k]) + std::abs(Above(c)[k] - exact.above[k]);
            }
            // Only rays right at a bin edge may fall on its other side.
            EXPECT_LE(moved, 40) << "colour " << c << " mode " << mode;
            EXPECT_LT(lightDiff, 0.002 * light) << "colour " << c << " mode " << mode;
            if (mode == 0) {
                // Unpolarised, only the grazing ray counts as above, and it carries nothing.
                for (int k = 0; k <= 180; ++k) ASSERT_NEAR(Above(c)[k], 0.0, 1e-12);
            } else {
                double above = 0;
                for (int k = 0; k <= 180; ++k) above += Above(c)[k];
                EXPECT_GT(above, 0.01 * light);
            }
        }
    }
}

TEST_F(BowStatisticsEngine, ColoursAreCountedOnceAndSummedWithTheirWeights) {
    EXPECT_NEAR(std::accumulate(ColourWeight.begin(), ColourWeight.end(), 0.0), 1.0, 1e-15);
    app.State.CurrentColour = 6;
    EnsureColourDone(scene);
    EXPECT_TRUE(St().ColourDone[6]);
    EXPECT_FALSE(St().AllColoursDone);
    const auto once = app.Buffers->ColourSumCount;
    EnsureColourDone(scene);  // nothing is added twice
    EXPECT_EQ(app.Buffers->ColourSumCount, once);

    ComputeAllColours(scene);
    EXPECT_TRUE(St().AllColoursDone);
    EXPECT_EQ(app.State.CurrentColour, 6);
    EXPECT_DOUBLE_EQ(St().PrimaryBinOffset,
                     Bows().PrimaryBowAngle[6] - std::floor(Bows().PrimaryBowAngle[6]));
    for (int k = 0; k < 180; ++k) {
        double count = 0, light = 0;
        for (int c = 1; c <= 8; ++c) {
            count += Counts(c)[k] * ColourWeight[c];
            light += 10 * Below(c)[k] * ColourWeight[c];
        }
        ASSERT_NEAR(app.Buffers->ColourSumCount[k], count, 1e-9) << k;
        ASSERT_NEAR(app.Buffers->ColourSumIntensity[k], light, 1e-9) << k;
    }
}

TEST_F(BowStatisticsEngine, ClearingForgetsTheColoursAndTheirSums) {
    ComputeAllColours(scene);
    ASSERT_TRUE(St().AllColoursDone);
    ClearBowStatistics(scene);
    EXPECT_FALSE(St().AllColoursDone);
    for (int c = 1; c <= 8; ++c) EXPECT_FALSE(St().ColourDone[c]);
    for (int k = 0; k <= 180; ++k) {
        ASSERT_EQ(app.Buffers->ColourSumCount[k], 0.0);
        ASSERT_EQ(app.Buffers->ColourSumIntensity[k], 0.0);
        ASSERT_EQ(Counts(3)[k], 0);
        ASSERT_EQ(Below(3)[k], 0.0);
    }
    // Counting a colour again gives what it gave the first time.
    app.State.CurrentColour = 2;
    EnsureColourDone(scene);
    const auto first = Counts(2);
    CountRays(scene, 2);
    EXPECT_EQ(Counts(2), first);
}

TEST(BowStatisticsBins, AreAlignedOnTheBowAngles) {
    const double f1 = 0.36, f2 = 0.72;  // bow angles 42.36° and 50.72°
    EXPECT_EQ(PrimaryBin(42.359, f1), 42);
    EXPECT_EQ(PrimaryBin(41.36, f1), 42);
    EXPECT_EQ(PrimaryBin(41.359, f1), 41);
    EXPECT_EQ(PrimaryBin(0, f1), 0);
    EXPECT_EQ(SecondaryBin(50.72, f2), 50);
    EXPECT_EQ(SecondaryBin(51.719, f2), 50);
    EXPECT_EQ(SecondaryBin(180, f2), 179);
    EXPECT_EQ(SecondaryBin(180, 0), 180);
    // Nothing ever lands outside the table.
    EXPECT_EQ(SecondaryBin(400, f2), 180);
    EXPECT_EQ(PrimaryBin(-3, f1), 0);
    EXPECT_EQ(PrimaryBin(std::nan(""), f1), 0);
}

}  // namespace
}  // namespace viv
