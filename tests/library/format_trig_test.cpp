// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "library/format.h"
#include "library/trig.h"

namespace viv {
namespace {

TEST(FloatMod, ResultLiesInZeroToModulus) {
    EXPECT_NEAR(FloatMod(-1, 3), 2, 1e-12);
    EXPECT_NEAR(FloatMod(7, 3), 1, 1e-12);
    EXPECT_EQ(FloatMod(6, 3), 0);
    EXPECT_EQ(FloatMod(-6, 3), 0);
    EXPECT_NEAR(FloatMod(-0.25, 1), 0.75, 1e-15);
    EXPECT_EQ(FloatMod(5, 0), 0);  // no division by zero reaches a picture
}

TEST(InverseTrig, EndsAndMiddle) {
    EXPECT_DOUBLE_EQ(ArcCos(-1), Pi);
    EXPECT_DOUBLE_EQ(ArcCos(1), 0);
    EXPECT_DOUBLE_EQ(ArcCos(0), Pi / 2);
    EXPECT_DOUBLE_EQ(ArcSin(1), Pi / 2);
    EXPECT_DOUBLE_EQ(ArcSin(0), 0);
    EXPECT_DOUBLE_EQ(ArcSin(-1), -Pi / 2);
    for (double x = -1; x <= 1.0001; x += 0.125) {
        EXPECT_NEAR(ArcSin(x), std::asin(x), 1e-14) << x;
        EXPECT_NEAR(ArcCos(x), std::acos(x), 1e-14) << x;
    }
    EXPECT_NEAR(Tan(Pi / 4), 1, 1e-15);
}

TEST(InverseTrig, OutsideTheDomainStaysBounded) {
    for (double x : {1.0000001, 2.0, 1e300, HUGE_VAL}) {
        EXPECT_DOUBLE_EQ(ArcSin(x), Pi / 2);
        EXPECT_DOUBLE_EQ(ArcSin(-x), -Pi / 2);
        EXPECT_DOUBLE_EQ(ArcCos(x), 0);
        EXPECT_DOUBLE_EQ(ArcCos(-x), Pi);
    }
    EXPECT_FALSE(std::isnan(ArcSin(std::nan(""))));
    EXPECT_FALSE(std::isnan(ArcCos(std::nan(""))));
}

TEST(FormatReal, WidthDecimalsAndSign) {
    EXPECT_EQ(FormatReal(1, 2, 3.14159), "3.14");
    EXPECT_EQ(FormatReal(8, 3, -2.5), "  -2.500");
    EXPECT_EQ(FormatReal(1, 0, 42.4), "42");
    EXPECT_EQ(FormatReal(3, 1, 1234.56), "1234.6");  // a longer text is not cut
    EXPECT_EQ(FormatReal(1, 5, 0.86084), "0.86084");
}

TEST(FormatReal, HalfwayRoundsAwayFromZero) {
    EXPECT_EQ(FormatReal(1, 0, 2.5), "3");
    EXPECT_EQ(FormatReal(1, 0, -2.5), "-3");
    EXPECT_EQ(FormatReal(1, 2, 0.125), "0.13");
    EXPECT_EQ(FormatReal(1, 1, 0.25), "0.3");
    // Not a tie in binary: 0.15 is a little below, and stays below.
    EXPECT_EQ(FormatReal(1, 1, 0.15), "0.1");
    EXPECT_EQ(FormatReal(1, 1, 0.35), "0.3");
}

TEST(FormatReal, NeverUndefinedText) {
    EXPECT_EQ(FormatReal(5, 1, std::nan("")), "  NAN");
    EXPECT_EQ(FormatReal(1, 1, -HUGE_VAL), "-INF");
    EXPECT_EQ(FormatReal(1, 2, 1e300).size(), 304u);
}

TEST(FormatInteger, PadsToWidth) {
    EXPECT_EQ(FormatInteger(42, 5), "   42");
    EXPECT_EQ(FormatInteger(-7, 3), " -7");
    EXPECT_EQ(FormatInteger(123456, 2), "123456");
}

// Only a point between digits is a decimal point: abbreviations and sentences keep theirs.
TEST(WithDecimalSeparator, OnlyPointsBetweenDigits) {
    const std::pair<const char*, const char*> cases[] = {
        {"(0.48; -1.58)", "(0,48; -1,58)"},
        {"Ved 20°C og 486.1 nm", "Ved 20°C og 486,1 nm"},
        {"pol.", "pol."},
        {"Spekt., F5", "Spekt., F5"},
        {"1.2.3", "1,2,3"},
        {".5 og 5.", ".5 og 5."},
        {"", ""}};
    for (const auto& [text, local] : cases)
        EXPECT_EQ(WithDecimalSeparator(text, ','), local) << text;
    EXPECT_EQ(WithDecimalSeparator("45.0°", '.'), "45.0°");
}

TEST(UpperCaseText, AsciiAndDanishLetters) {
    EXPECT_EQ(UpperCaseText("vivarnon.ini"), "VIVARNON.INI");
    EXPECT_EQ(UpperCaseText("blå æble på ø"), "BLÅ ÆBLE PÅ Ø");
    EXPECT_EQ(UpperCaseText("a÷b"), "A÷B");
    EXPECT_EQ(UpperCaseText("λ 1,5"), "λ 1,5");
}

}  // namespace
}  // namespace viv
