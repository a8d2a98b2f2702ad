// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The languages the program speaks: Danish, in which it is written, and English from its
// catalogue.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace viv {

enum class Language : std::uint8_t { Danish, English };

// The file of the English catalogue, beside the guidance text.
constexpr std::string_view EnglishCatalogueName = "Vivarnon.en.mo";

// The language of "da" or "en", as the scripted mode writes them; none for anything else.
constexpr std::optional<Language> LanguageOfCode(std::string_view code) {
    if (code == "da") return Language::Danish;
    if (code == "en") return Language::English;
    return std::nullopt;
}

}  // namespace viv
