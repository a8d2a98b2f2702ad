// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/control_readout.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace viv {

namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

bool SameWord(std::string_view a, std::string_view b);

// The name holds the symbol as a word of its own ("Antal lodder" and "lodder").
bool HasWord(std::string_view name, std::string_view word) {
    std::size_t start = 0;
    while (start <= name.size()) {
        const std::size_t end = std::min(name.find(' ', start), name.size());
        if (SameWord(name.substr(start, end - start), word)) return true;
        start = end + 1;
    }
    return false;
}

bool SameWord(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) {
            return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// The key a read-out starts with: the symbol up to a unit ("p/°" reads "p=…") or an
// abbreviating point ("retn.").
std::string_view ReadoutKey(std::string_view symbol) {
    const std::size_t end = symbol.find_first_of("/.");
    return Trimmed(symbol.substr(0, end));
}

// Choices whose positions stand for named states.
struct NamedPositions {
    std::string_view Symbol;
    int First;  // the position of the first name
    std::array<std::string_view, 3> Names;
};
constexpr NamedPositions kNamedPositions[] = {
    {"bue", 1, {"primær", "sekundær", ""}},
    {"+/-", 0, {"additiv", "subtraktiv", ""}},
    {"retn.", 1, {"ind", "ud", ""}},
};

}  // namespace

std::string ControlSymbol(const MainWindowModel& w, Control control) {
    switch (control) {
        case Control::ScrollBar1:
            return w.ScrollBar1Symbol.Caption;
        case Control::ScrollBar2:
            return w.ScrollBar2Symbol.Caption;
        case Control::ScrollBar3:
            return w.ScrollBar3Symbol.Caption;
        case Control::TrackBar1:
            return w.LambdaMark.Visible ? w.LambdaMark.Caption : w.TrackBar1Caption.Caption;
        case Control::TrackBar2:
            return w.TrackBar2Caption.Caption;
        case Control::TrackBar3:
        case Control::TrackBar4:
            return {};
    }
    return {};
}

std::string ControlName(const MainWindowModel& w, Control control, const Translation* words) {
    const auto shown = [words](std::string_view text) {
        return words != nullptr ? words->Translate(text) : text;
    };
    std::string name(Trimmed(shown(w.Of(control).Hint)));
    // The colour bars beside ScrollBar1 share its quantity.
    if (name.empty() && (control == Control::ScrollBar2 || control == Control::ScrollBar3))
        name = Trimmed(shown(w.ScrollBar1.Hint));
    if (!name.empty() && name.front() >= 'a' && name.front() <= 'z')
        name.front() = static_cast<char>(name.front() - 'a' + 'A');
    const std::string symbol(shown(ControlSymbol(w, control)));
    if (!symbol.empty() && !HasWord(name, symbol))
        name += (name.empty() ? "" : " ") + ("(" + symbol + ")");
    return name;
}

std::string ControlValue(const MainWindowModel& w, Control control) {
    const RangeControl& c = w.Of(control);
    const std::string symbol = ControlSymbol(w, control);
    // The colour's wavelength, as the colour text shows it ("grøn: 546.1 nm").
    if (control == Control::TrackBar1 && w.LambdaMark.Visible) {
        const std::size_t colon = w.Panel3.find(": ");
        if (colon != std::string::npos && w.Panel3.ends_with(" nm"))
            return w.Panel3.substr(colon + 2);
    }
    const std::string_view key = ReadoutKey(symbol);
    if (!key.empty()) {
        for (const std::string* panel : {&w.Panel1, &w.Panel2, &w.Panel3}) {
            const std::string_view text = Trimmed(*panel);
            if (!text.starts_with(key) || text.size() <= key.size()) continue;
            const char mark = text[key.size()];
            if (mark != ':' && mark != '=') continue;
            const std::string_view value = Trimmed(text.substr(key.size() + 1));
            if (!value.empty()) return std::string(value);
        }
    }
    for (const NamedPositions& named : kNamedPositions) {
        if (named.Symbol != symbol) continue;
        const int index = c.Position - named.First;
        if (index >= 0 && index < static_cast<int>(named.Names.size()) &&
            !named.Names[static_cast<std::size_t>(index)].empty())
            return std::string(named.Names[static_cast<std::size_t>(index)]);
    }
    return std::to_string(c.Position);
}

}  // namespace viv
