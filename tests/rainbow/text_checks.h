// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Texts the rainbow tests compare table cells and panels with.
#pragma once

#include <cstdio>
#include <string>

namespace viv::test {

// `value` with `decimals` digits after the point, as printf writes it.
inline std::string Fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// The text of a cell or panel without its leading blanks.
inline std::string Trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : s.substr(first);
}

}  // namespace viv::test
