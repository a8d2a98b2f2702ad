// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Number and text formatting for picture labels and table cells. The decimal point is
// always "." whatever the system's settings.
#pragma once

#include <string>
#include <string_view>

namespace viv {

// Fixed point with exactly `decimals` digits, right-aligned with blanks to at least
// `width` characters (a longer text is not cut). Halfway cases round away from zero.
std::string FormatReal(int width, int decimals, double value);

// Decimal digits, right-aligned with blanks to at least `width` characters.
std::string FormatInteger(long long value, int width);

// The text as the user's system writes numbers: each decimal point (a "." between two
// digits) becomes `decimal`; every other character stays.
std::string WithDecimalSeparator(std::string text, char decimal);

// A copy with every character upper-cased one by one (ASCII and the Latin-1 letters,
// so "æøå" becomes "ÆØÅ"). The text is UTF-8.
std::string UpperCaseText(std::string_view text);

}  // namespace viv
