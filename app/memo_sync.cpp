// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/memo_sync.h"

#include <cstdint>
#include <string>

namespace viv {

namespace {

// One element per character; a malformed byte stands for itself.
std::u32string DecodeUtf8(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<std::uint8_t>(text[i]);
        const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
        char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
        bool ok = i + static_cast<std::size_t>(extra) < text.size();
        for (int k = 1; ok && k <= extra; ++k) {
            const auto next = static_cast<std::uint8_t>(text[i + static_cast<std::size_t>(k)]);
            ok = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3Fu);
        }
        if (!ok) {
            out.push_back(lead);
            ++i;
            continue;
        }
        out.push_back(c);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

}  // namespace

void SelectGuidance(MemoModel& memo, int simulation, std::string_view caption) {
    if (!memo.Visible) return;
    std::u32string heading = DecodeUtf8(caption);
    if (const auto marked = memo.Headings.find(simulation); marked != memo.Headings.end()) {
        heading = marked->second;
        if (!heading.empty() && heading.back() == U':') heading.pop_back();
    }
    const std::size_t at = memo.Text.find(heading + U":");
    if (at == std::u32string::npos) return;
    memo.SelStart = static_cast<int>(at);
    memo.SelLength = static_cast<int>(heading.size());
    ++memo.SelectionRequests;
}

}  // namespace viv
