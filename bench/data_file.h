// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Where a benchmark finds a file of the program's data folder.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace viv::bench {

// The path of the data file `name`: $VIVARNON_DATA/name, else data/name or ../data/name
// from the current directory; empty where none of them is a file.
inline std::string FindDataFile(std::string_view name) {
    std::vector<std::string> candidates;
    if (const char* dir = std::getenv("VIVARNON_DATA"))
        candidates.push_back(std::string(dir) + "/" + std::string(name));
    candidates.push_back("data/" + std::string(name));
    candidates.push_back("../data/" + std::string(name));
    for (const std::string& path : candidates) {
        if (std::filesystem::is_regular_file(path)) return path;
    }
    return {};
}

}  // namespace viv::bench
