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

// The code of `language`, as the scripted mode, the command line and the settings write it.
constexpr std::string_view LanguageCode(Language language) {
    return language == Language::English ? "en" : "da";
}

// The language of a system locale ("da_DK.UTF-8", "da", "en_GB"): Danish for Danish, English
// for every other, as the English texts are the program's only other.
constexpr Language LanguageOfLocale(std::string_view locale) {
    return locale.substr(0, 2) == "da" &&
                   (locale.size() == 2 || locale[2] == '_' || locale[2] == '-' || locale[2] == '.')
               ? Language::Danish
               : Language::English;
}

}  // namespace viv
