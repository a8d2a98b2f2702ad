// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The memo's text as the rest of the program sees it: the guidance file read into it,
// the plain text its copy puts on the clipboard, and the guidance of one simulation.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "app/language.h"
#include "app/memo_model.h"
#include "library/rtf_document.h"

namespace viv {

class App;

// The guidance file of a start directory in a language ("Vivarnon.rtf" in it, in English
// "Vivarnon.en.rtf"; the name alone for none).
std::string GuidancePath(std::string_view startDirectory, Language language = Language::Danish);

// The largest guidance text read. The guidance of all simulations is some 80 kB; a file
// a hundred times larger is no guidance text, and would only hold the program up.
constexpr std::size_t MaxGuidanceBytes = 8u << 20;  // bytes

struct GuidanceFile {
    std::optional<RtfDocument> Document;  // nothing when the file could not be used
    std::string Problem;                  // then what happened, in Danish, with the path
};

// Reads a rich-text file: a damaged file gives what could be read of it. Nothing, with
// the reason, when it is missing (or no regular file), too large, unreadable or no rich
// text.
GuidanceFile ReadGuidanceFile(const std::string& path);
std::optional<RtfDocument> ReadRtfFile(const std::string& path);

// The memo window's creation: reads the guidance of the program's language from the start
// directory into the memo (reporting a missing, unusable or unreadable file once, saying
// which) and shows the memo while the program is starting. Returns the formatted text for
// the window, kept in the memo's model too; an empty document on failure.
RtfDocument MemoFormCreate(App& app);

// The language changed: the memo, once created, takes the guidance of the new language and
// selects the current simulation's in it. A file that cannot be used is reported once, and
// the memo keeps the text it has.
void ReloadGuidance(App& app);

// The memo's text as one character per element, from UTF-8.
std::u32string MemoCharacters(std::string_view utf8);

// The text "&Kopi" puts on the clipboard: every line of the memo with each ";" replaced
// by `listSeparator`, each followed by CR LF; empty for an empty memo. UTF-8, any length.
std::string MemoCopyText(std::string_view memoText, char listSeparator);

// The guidance the memo's selection lies in: from the start of the selection up to the
// next heading (a paragraph ending in ":" after an empty paragraph) or the end, as UTF-8
// lines each ended by "\n". Empty when nothing is selected.
std::string SelectedGuidance(const MemoModel& memo);

}  // namespace viv
