// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "library/rtf_writer.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "library/rtf_reader.h"

namespace viv {

namespace {

// The byte of code page 1252 for code point c, or 0 when the code page lacks it.
unsigned char UnicodeToCp1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
    for (unsigned b = 0x80; b <= 0x9F; ++b)
        if (Cp1252ToUnicode(static_cast<unsigned char>(b)) == c)
            return static_cast<unsigned char>(b);
    return 0;  // (the bytes the code page leaves undefined stand for themselves, as in reading)
}

// The next code point of UTF-8 text at i; a malformed byte stands for U+FFFD.
char32_t NextCodePoint(std::string_view s, std::size_t& i) {
    const auto lead = static_cast<std::uint8_t>(s[i]);
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    if (lead >= 0x80 && extra == 0) {
        ++i;
        return 0xFFFD;
    }
    char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        if (i + static_cast<std::size_t>(k) >= s.size() ||
            (static_cast<std::uint8_t>(s[i + static_cast<std::size_t>(k)]) & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        c = (c << 6) | (static_cast<std::uint8_t>(s[i + static_cast<std::size_t>(k)]) & 0x3Fu);
    }
    i += static_cast<std::size_t>(extra) + 1;
    return c;
}

void Hex(std::string& out, unsigned char b) {
    constexpr std::string_view digits = "0123456789abcdef";
    out += "\\'";
    out += digits[b >> 4];
    out += digits[b & 0xF];
}

void UnicodeUnit(std::string& out, char32_t unit) {
    const int n = unit >= 0x8000 ? static_cast<int>(unit) - 65536 : static_cast<int>(unit);
    out += "\\u" + std::to_string(n) + '?';
}

void Text(std::string& out, std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const char32_t c = NextCodePoint(text, i);
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\t') {
            out += "\\tab ";
        } else if (c == 0x2028 || c == '\n') {
            out += "\\line ";
        } else if (c == 0xA0) {
            out += "\\~";
        } else if (c < 0x20) {
            // control characters have no place in the text
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (const unsigned char b = UnicodeToCp1252(c); b != 0) {
            Hex(out, b);
        } else if (c >= 0x10000) {
            const char32_t v = c - 0x10000;
            UnicodeUnit(out, 0xD800 + (v >> 10));
            UnicodeUnit(out, 0xDC00 + (v & 0x3FF));
        } else {
            UnicodeUnit(out, c);
        }
    }
}

void FontName(std::string& out, std::string_view name) {
    for (std::size_t i = 0; i < name.size();) {
        const char32_t c = NextCodePoint(name, i);
        if (c == ';' || c == '\\' || c == '{' || c == '}' || c < 0x20) continue;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (const unsigned char b = UnicodeToCp1252(c); b != 0) {
            Hex(out, b);
        } else {
            out += '?';
        }
    }
}

constexpr std::array<std::string_view, 4> kAlignments{"\\ql", "\\qc", "\\qr", "\\qj"};

}  // namespace

std::string WriteRtf(const RtfDocument& document) {
    // Text without a font gets a default font that is no font of the table.
    bool fontless = false;
    for (const RtfParagraph& p : document.Paragraphs)
        for (const RtfRun& r : p.Runs)
            fontless = fontless || r.Format.Font < 0 ||
                       r.Format.Font >= static_cast<int>(document.Fonts.size());
    const std::size_t defaultFont = fontless ? document.Fonts.size() : 0;
    std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff" + std::to_string(defaultFont) + "\\uc1";
    out += "{\\fonttbl";
    for (std::size_t i = 0; i < document.Fonts.size(); ++i) {
        out += "{\\f" + std::to_string(i) + "\\fnil\\fcharset0 ";
        FontName(out, document.Fonts[i]);
        out += ";}";
    }
    out += "}\n";
    if (!document.Colours.empty()) {
        out += "{\\colortbl";
        for (const RtfColour& c : document.Colours) {
            if (!c.Automatic)
                out += "\\red" + std::to_string(c.Red) + "\\green" + std::to_string(c.Green) +
                       "\\blue" + std::to_string(c.Blue);
            out += ';';
        }
        out += "}\n";
    }
    const int fonts = static_cast<int>(document.Fonts.size());
    const int colours = static_cast<int>(document.Colours.size());
    for (const RtfParagraph& p : document.Paragraphs) {
        out += "\\pard";
        out += kAlignments[static_cast<std::size_t>(p.Alignment) % kAlignments.size()];
        if (p.SpaceBefore > 0) out += "\\sb" + std::to_string(p.SpaceBefore);
        if (p.SpaceAfter > 0) out += "\\sa" + std::to_string(p.SpaceAfter);
        for (const RtfRun& r : p.Runs) {
            const RtfCharFormat& f = r.Format;
            out += "\\plain";
            if (f.Font >= 0 && f.Font < fonts) out += "\\f" + std::to_string(f.Font);
            out += "\\fs" + std::to_string(f.HalfPoints);
            if (f.Colour > 0 && f.Colour < colours) out += "\\cf" + std::to_string(f.Colour);
            if (f.Bold) out += "\\b";
            if (f.Italic) out += "\\i";
            if (f.Underline) out += "\\ul";
            out += ' ';
            Text(out, r.Text);
        }
        out += "\\par\n";
    }
    out += "}\n";
    return out;
}

}  // namespace viv
