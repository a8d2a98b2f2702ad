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

// "da" or "en", as the settings, the command line and the scripted mode write them.
constexpr std::string_view LanguageCode(Language language) {
    return language == Language::English ? "en" : "da";
}
constexpr std::optional<Language> LanguageOfCode(std::string_view code) {
    if (code == "da") return Language::Danish;
    if (code == "en") return Language::English;
    return std::nullopt;
}

// The language of a system locale name ("da_DK.UTF-8", "en_GB", "C"): Danish for Danish,
// English otherwise.
constexpr Language LanguageOfLocale(std::string_view locale) {
    return locale.substr(0, 2) == "da" ? Language::Danish : Language::English;
}

}  // namespace viv
