// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// What the main window knows of the memo window: whether it shows, its text as plain
// characters, and the selection it asks for when a simulation is chosen.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "library/rtf_document.h"

namespace viv {

struct MemoModel {
    bool Visible = false;
    std::u32string Text;  // one element per character, as the memo counts them
    int SelStart = 0;     // 0-based
    int SelLength = 0;
    int SelectionRequests = 0;  // counts selections made by the main window
    // Each simulation's heading in Text, found by its number (the guidance's hidden
    // markers), so that a translated caption cannot lose its guidance.
    std::map<int, std::u32string> Headings;
    // The guidance as read from its file, for the memo window to show, and how often it was
    // read (once at start, again when the language changes); 0 before the memo is created.
    std::shared_ptr<const RtfDocument> Document;
    int Loads = 0;
};

}  // namespace viv
