// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// One input for each reader of outside input: the photograph, the set-up file and the
// scripted mode's lines. No input writes a file: the readers read the bytes from memory,
// and what a script saves or prints stays in memory. The fuzz targets (fuzz/*_fuzz.cpp) call these
// for every input libFuzzer makes; the regression test calls them for every file of fuzz/corpus and
// fuzz/regressions.
#pragma once

#include <cstddef>
#include <cstdint>

namespace viv::fuzz {

// The bytes as "Vivarnon.jpg", loaded as at start-up.
void PhotographInput(const std::uint8_t* data, std::size_t size);
// The bytes as "VIVARNON.INI", read as at start-up.
void SetupFileInput(const std::uint8_t* data, std::size_t size);
// The bytes as a script, run against a freshly started program. Scripts are held to a
// small picture, a bounded number of ticks and no files written, so that every input
// runs in milliseconds.
void ScriptInput(const std::uint8_t* data, std::size_t size);

// The bytes as the guidance text "Vivarnon.rtf": what the reader takes survives a write
// and a second read unchanged.
void GuidanceTextInput(const std::uint8_t* data, std::size_t size);

// The names of the inputs above, as the folders of fuzz/corpus and fuzz/regressions.
using Input = void (*)(const std::uint8_t*, std::size_t);
struct Target {
    const char* Name;
    Input Run;
};
inline constexpr Target kTargets[] = {{"jpeg", PhotographInput},
                                      {"setup_file", SetupFileInput},
                                      {"script", ScriptInput},
                                      {"rtf", GuidanceTextInput}};

}  // namespace viv::fuzz
