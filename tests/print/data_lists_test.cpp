// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The data lists of the rainbow and thin-film simulations, checked against the physics
// worked out here and against what the same simulation shows in its table.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "app/catalogue.h"
#include "app/print_layout.h"
#include "sims/rainbow/rainbow_state.h"
#include "test_host.h"

namespace viv {
namespace {

using test::StartedApp;

constexpr double kPi = 3.14159265358979323846;
constexpr double kDeg = kPi / 180;

std::string Fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

DataList ListOf(StartedApp& s, int n) {
    s.app.MenuEntry(static_cast<std::uint16_t>(n));
    std::optional<DataList> list = CurrentDataList(s.app);
    EXPECT_TRUE(list.has_value()) << n;
    return list.value_or(DataList{});
}

double Cell(const DataList& list, std::size_t row, std::size_t column) {
    return std::stod(list.Rows.at(row).at(column));
}

TEST(DataLists, EveryListIsCompleteAndHasNoNaN) {
    StartedApp s;
    for (int n : {3, 4, 7, 8, 9, 10, 11, 12}) {
        const DataList list = ListOf(s, n);
        EXPECT_GE(list.Headers.size(), 2u) << n;
        EXPECT_LE(list.Headers.size(), 4u) << n;
        EXPECT_NE(list.Subtitle.find("bølgelængde 546.1nm, grøn"), std::string::npos)
            << list.Subtitle;
        ASSERT_FALSE(list.Rows.empty()) << n;
        for (const auto& row : list.Rows) {
            ASSERT_EQ(row.size(), list.Headers.size()) << n;
            for (const std::string& v : row) {
                EXPECT_EQ(v.find("nan"), std::string::npos) << n;
                EXPECT_EQ(v.find("inf"), std::string::npos) << n;
                EXPECT_FALSE(v.empty()) << n;
            }
        }
    }
}

TEST(DataLists, ThinFilmGivesThePhaseOfTheTableForEveryAngle) {
    StartedApp s;
    const DataList list = ListOf(s, 3);
    EXPECT_EQ(list.Headers,
              (std::vector<std::string>{"vinkel i/°", "vinkel b/°", "faseforskel/pi"}));
    EXPECT_EQ(list.Subtitle, "tykkelse d = 1000nm, bølgelængde 546.1nm, grøn");
    ASSERT_EQ(list.Rows.size(), 91u);                  // 0..90°
    const double n = 1.334, lambda = 546.1, t = 1000;  // nm
    for (int i : {0, 30, 60, 89}) {
        const double b = std::asin(std::sin(i * kDeg) / n);
        // 2 n t cos b in wavelengths, times 2 pi, plus pi for the front face; over pi.
        const double phase = 4 * n * t * std::cos(b) / lambda + 1;
        EXPECT_EQ(list.Rows[i][0], std::to_string(i));
        EXPECT_EQ(list.Rows[i][1], Fixed(b / kDeg, 1)) << i;
        EXPECT_EQ(list.Rows[i][2], Fixed(phase, 3)) << i;
    }
    // The list agrees with the table at the angle the scroll bar shows.
    const int angle = s.app.State.IncidenceValue;
    std::string cell = s.app.Table.Cell(1, 5);
    cell.erase(0, cell.find_first_not_of(' '));
    EXPECT_EQ(list.Rows[static_cast<std::size_t>(angle)][2], cell);
}

TEST(DataLists, WaterReflectancesFollowFresnel) {
    StartedApp s;
    const DataList list = ListOf(s, 4);
    ASSERT_EQ(list.Rows.size(), 91u);
    const double n = 1.334;
    const double normal = 100 * std::pow((n - 1) / (n + 1), 2);
    EXPECT_EQ(list.Rows[0][2], Fixed(normal, 2));
    EXPECT_EQ(list.Rows[0][3], Fixed(normal, 2));
    for (int i : {20, 53, 80}) {
        const double a = i * kDeg, b = std::asin(std::sin(a) / n);
        const double rs = std::pow(std::sin(a - b) / std::sin(a + b), 2);
        const double rp = std::pow(std::tan(a - b) / std::tan(a + b), 2);
        EXPECT_EQ(list.Rows[i][1], Fixed(b / kDeg, 1));
        EXPECT_EQ(list.Rows[i][2], Fixed(100 * rs, 2)) << i;
        EXPECT_EQ(list.Rows[i][3], Fixed(100 * rp, 2)) << i;
    }
    EXPECT_EQ(list.Rows[53][3], "0.00");  // near Brewster's angle
    EXPECT_EQ(list.Rows[90][2], "100.00");
}

TEST(DataLists, DropAndBandGiveTheDeviationOfEachBow) {
    StartedApp s;
    DataList list = ListOf(s, 7);
    EXPECT_EQ(list.Subtitle, "Primær vivarno, bølgelængde 546.1nm, grøn");
    ASSERT_EQ(list.Rows.size(), 101u);
    EXPECT_EQ(list.Rows[86][0], "0.86");
    EXPECT_EQ(list.Rows[86][1], "41.9");  // near the primary bow
    EXPECT_EQ(list.Rows[0][1], "0.0");
    s.app.ControlChange(Control::TrackBar2, 2);
    ASSERT_EQ(s.app.State.CurrentBow, 2);
    list = *CurrentDataList(s.app);
    EXPECT_EQ(list.Subtitle.rfind("Sekundær vivarno, ", 0), 0u) << list.Subtitle;
    const double n = 1.334, p = 0.95, i = std::asin(p), b = std::asin(p / n);
    EXPECT_EQ(list.Rows[95][1], Fixed(180 - (6 * b - 2 * i) / kDeg, 1));
    EXPECT_EQ(list.Rows[0][1], "180.0");

    list = ListOf(s, 8);
    ASSERT_EQ(list.Rows.size(), 101u);
    EXPECT_EQ(list.Rows[100][0], "1.00");
}

TEST(DataLists, YoungsPhaseIsTwicePhiInUnitsOfPi) {
    StartedApp s;
    const DataList list = ListOf(s, 10);
    EXPECT_EQ(list.Subtitle, "diameter d = 0.20mm, bølgelængde 546.1nm, grøn");
    const RangeControl& bar = s.app.Window.ScrollBar1;
    ASSERT_EQ(static_cast<int>(list.Rows.size()), bar.Max - bar.Min + 1);
    // The row of the ray shown: its path difference in wavelengths from the table.
    const RainbowState& rs = s.app.Sims.Get<RainbowState>();
    const double p1 = static_cast<double>(rs.RayStep) / rs.RaySteps;
    const std::size_t row = static_cast<std::size_t>(rs.RayStep - bar.Min);
    ASSERT_LT(row, list.Rows.size());
    EXPECT_NEAR(Cell(list, row, 0), p1, 0.0005);
    const double phi = std::stod(s.app.Table.Cell(1, 6)) - std::stod(s.app.Table.Cell(2, 6));
    EXPECT_NEAR(Cell(list, row, 3), 2 * phi, 0.02);
    EXPECT_EQ(list.Rows[row][2], Fixed(std::stod(s.app.Table.Cell(1, 4)), 1));
    // The two rays leave in the same direction: 4 r - 2 i agrees for both.
    const double n = 1.334;
    const auto deviation = [n](double p) {
        return (4 * std::asin(p / n) - 2 * std::asin(p)) / kDeg;
    };
    for (std::size_t k = 0; k < list.Rows.size(); k += 37)
        EXPECT_NEAR(deviation(Cell(list, k, 0)), deviation(Cell(list, k, 1)), 0.1) << k;
}

TEST(DataLists, BowPolarisationCarriesTheLightLeftAfterTheInnerReflections) {
    StartedApp s;
    DataList list = ListOf(s, 11);
    const double n = 1.334, r0 = std::pow((n - 1) / (n + 1), 2);
    EXPECT_EQ(list.Rows[0][2], Fixed(100 * r0 * (1 - r0) * (1 - r0), 2));
    const double p = 0.8, i = std::asin(p), b = std::asin(p / n);
    const double rs = std::pow(std::sin(i - b) / std::sin(i + b), 2);
    const double rp = std::pow(std::tan(i - b) / std::tan(i + b), 2);
    ASSERT_EQ(list.Rows[80][0], "0.80");
    EXPECT_EQ(list.Rows[80][1], Fixed((4 * b - 2 * i) / kDeg, 1));
    EXPECT_EQ(list.Rows[80][2], Fixed(100 * rs * (1 - rs) * (1 - rs), 2));
    EXPECT_EQ(list.Rows[80][3], Fixed(100 * rp * (1 - rp) * (1 - rp), 2));
    s.app.ControlChange(Control::TrackBar2, 2);
    list = *CurrentDataList(s.app);
    EXPECT_EQ(list.Rows[80][2], Fixed(100 * rs * rs * (1 - rs) * (1 - rs), 2));
}

TEST(DataLists, BowStatisticsListsFollowTheCountsAndTheRedRayToggle) {
    StartedApp s;
    DataList list = ListOf(s, 9);
    ASSERT_EQ(list.Rows.size(), 180u);
    EXPECT_EQ(list.Headers.size(), 3u);
    const auto& counts = s.app.Buffers->RayCount[3];
    for (std::size_t v : {0u, 40u, 41u, 130u})
        EXPECT_EQ(list.Rows[v][1], std::to_string(counts[v])) << v;
    s.app.FKeyClick(FKey::F5);
    list = *CurrentDataList(s.app);
    EXPECT_EQ(list.Headers.back(), "korrigeret sum");

    list = ListOf(s, 12);
    ASSERT_EQ(list.Rows.size(), 101u);
    EXPECT_EQ(list.Headers, (std::vector<std::string>{"vinkel v/°", "antal N1", "antal N2"}));
    EXPECT_TRUE(list.Subtitle.rfind("vinkelret polariseret , ", 0) == 0 ||
                list.Subtitle.rfind("parallelt polariseret , ", 0) == 0)
        << list.Subtitle;
}

TEST(DataLists, MakingAListLeavesTheSimulationAsItWas) {
    StartedApp s;
    for (int n : {3, 7, 10, 11}) {
        s.app.MenuEntry(static_cast<std::uint16_t>(n));
        const QImage before = s.picture().Image().copy();
        std::vector<std::string> table;
        for (int r = 0; r < s.app.Table.RowCount(); ++r)
            for (int c = 0; c < s.app.Table.ColCount(); ++c)
                table.push_back(s.app.Table.Cell(c, r));
        (void)CurrentDataList(s.app);
        s.app.RedrawPicture();
        EXPECT_EQ(s.picture().Image(), before) << n;
        std::vector<std::string> after;
        for (int r = 0; r < s.app.Table.RowCount(); ++r)
            for (int c = 0; c < s.app.Table.ColCount(); ++c)
                after.push_back(s.app.Table.Cell(c, r));
        EXPECT_EQ(after, table) << n;
    }
}

}  // namespace
}  // namespace viv
