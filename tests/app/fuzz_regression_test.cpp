// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Every seed of the fuzz targets and every input that once crashed or hung one of them,
// run again through the same reader. Add a file to fuzz/regressions/<target>/ for each
// new finding.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/fuzz_inputs.h"

namespace viv {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in),
                                     std::istreambuf_iterator<char>());
}

TEST(FuzzRegressions, EverySeedAndEveryFindingIsReadSafely) {
    int inputs = 0;
    for (const fuzz::Target& target : fuzz::kTargets) {
        for (const char* folder : {"corpus", "regressions"}) {
            const fs::path dir = fs::path(VIV_SOURCE_DIR) / "fuzz" / folder / target.Name;
            if (!fs::is_directory(dir)) continue;
            for (const auto& entry : fs::directory_iterator(dir)) {
                if (!entry.is_regular_file() || entry.path().filename().string().front() == '.')
                    continue;
                SCOPED_TRACE(entry.path().string());
                const std::vector<std::uint8_t> bytes = ReadBytes(entry.path());
                target.Run(bytes.data(), bytes.size());  // aborts on a broken promise of the reader
                ++inputs;
            }
        }
    }
    EXPECT_GT(inputs, 10);
}

}  // namespace
}  // namespace viv
