// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "library/format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace viv {

namespace {

std::string PadLeft(std::string text, int width) {
    if (width > 0 && text.size() < static_cast<std::size_t>(width))
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

// True when the value lies exactly halfway between two texts of `decimals` digits.
bool IsExactTie(double value, int decimals) {
    char buffer[512];
    const int extra = 40;
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals + extra, std::fabs(value));
    const char* point = std::strchr(buffer, '.');
    if (point == nullptr) return false;
    const char* digits = point + 1 + decimals;
    if (*digits != '5') return false;
    for (const char* p = digits + 1; *p != '\0'; ++p)
        if (*p != '0') return false;
    return true;
}

}  // namespace

std::string FormatReal(int width, int decimals, double value) {
    if (std::isnan(value)) return PadLeft("NAN", width);
    if (std::isinf(value)) return PadLeft(value > 0 ? "INF" : "-INF", width);
    decimals = std::clamp(decimals, 0, 30);
    // printf rounds exact ties to even; labels and tables round them away from zero.
    if (IsExactTie(value, decimals))
        value = std::nextafter(value, value > 0 ? HUGE_VAL : -HUGE_VAL);
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return PadLeft(buffer, width);
}

std::string FormatInteger(long long value, int width) {
    return PadLeft(std::to_string(value), width);
}

std::string UpperCaseText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 'a' && c <= 'z') {
            out += static_cast<char>(c - 'a' + 'A');
        } else if (c == 0xC3 && i + 1 < text.size()) {
            // U+00C0..U+00FF: the lower-case letters U+00E0..U+00FE (but U+00F7 '÷')
            // are 0xC3 0xA0..0xBE and upper-case to 0xC3 0x80..0x9E.
            auto next = static_cast<unsigned char>(text[i + 1]);
            if (next >= 0xA0 && next <= 0xBE && next != 0xB7)
                next = static_cast<unsigned char>(next - 0x20);
            out += static_cast<char>(c);
            out += static_cast<char>(next);
            ++i;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string WithDecimalSeparator(std::string text, char decimal) {
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    for (std::size_t i = 1; i + 1 < text.size(); ++i)
        if (text[i] == '.' && digit(text[i - 1]) && digit(text[i + 1])) text[i] = decimal;
    return text;
}

}  // namespace viv
