// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A rich-text document as plain data: paragraphs of runs of equally formatted text, with
// the font and colour tables the runs refer to. The guidance text of the memo is read
// into it from a rich-text file and written back out of it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace viv {

struct RtfCharFormat {
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    int HalfPoints = 24;  // font size in half points (12 pt)
    int Font = -1;        // index into RtfDocument::Fonts; -1 the reader's default font
    int Colour = 0;       // index into RtfDocument::Colours; 0 the automatic colour

    bool operator==(const RtfCharFormat&) const = default;
};

struct RtfRun {
    std::string Text;  // UTF-8; "\t" a tab, U+2028 a line break inside the paragraph
    RtfCharFormat Format;

    bool operator==(const RtfRun&) const = default;
};

enum class RtfAlignment : std::uint8_t { Left, Centre, Right, Justify };

struct RtfParagraph {
    std::vector<RtfRun> Runs;
    RtfAlignment Alignment = RtfAlignment::Left;
    int SpaceBefore = 0;  // twips (1/1440 inch)
    int SpaceAfter = 0;   // twips
    // The simulation whose guidance begins with this paragraph, from the hidden marker
    // {\*\vivsim N} in it; 0 for none.
    int SimulationMark = 0;

    bool operator==(const RtfParagraph&) const = default;
};

struct RtfColour {
    std::uint8_t Red = 0, Green = 0, Blue = 0;
    bool Automatic = false;  // the table's first, empty entry: the text's default colour

    bool operator==(const RtfColour&) const = default;
};

struct RtfDocument {
    std::vector<std::string> Fonts;  // family names
    std::vector<RtfColour> Colours;  // entry 0 is the automatic colour when present
    std::vector<RtfParagraph> Paragraphs;

    // The text alone: paragraphs joined by "\n", line breaks as "\n".
    std::string PlainText() const;

    bool operator==(const RtfDocument&) const = default;
};

}  // namespace viv
