// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Decoding the start photograph. The file is looked for as $VIVARNON_DATA/Vivarnon.jpg,
// then data/Vivarnon.jpg and ../data/Vivarnon.jpg from the current directory.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/data_file.h"
#include "library/jpeg_image.h"

namespace {

void BM_LoadStartPhotograph(benchmark::State& state) {
    const std::string path = viv::bench::FindDataFile("Vivarnon.jpg");
    if (path.empty()) {
        state.SkipWithError("Vivarnon.jpg not found: set VIVARNON_DATA or run from the repository");
        return;
    }
    for (auto _ : state) {
        viv::JpegResult result = viv::LoadJpeg(path);
        if (!result.Ok) {
            state.SkipWithError(result.Error.c_str());
            break;
        }
        benchmark::DoNotOptimize(result.Image.Pixels.data());
    }
}
BENCHMARK(BM_LoadStartPhotograph)->Unit(benchmark::kMillisecond);

}  // namespace
