// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Reads the rich text a word processor saves for a text like the guidance: groups,
// paragraphs, bold, italic, underline, font sizes, the font and colour tables, "\'hh"
// characters of code page 1252, "\uN" with its fallback, and it skips every destination
// it does not know. Damaged input gives what could be read; nothing makes it fail or hang.
#pragma once

#include <string_view>

#include "library/rtf_document.h"

namespace viv {

struct RtfReadResult {
    RtfDocument Document;
    bool IsRtf = false;     // the input begins with "{\rtf"; otherwise the document is empty
    bool Complete = false;  // the outermost group was closed where it should be
};

RtfReadResult ReadRtf(std::string_view bytes);

// The character of code page 1252 for byte `b`, as a Unicode code point (bytes the code
// page leaves undefined stand for themselves).
char32_t Cp1252ToUnicode(unsigned char b);

// Appends code point `c` as UTF-8 (a value that is no character becomes U+FFFD).
void AppendUtf8(std::string& out, char32_t c);

}  // namespace viv
