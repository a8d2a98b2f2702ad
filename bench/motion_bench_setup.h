// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The program the simulations' benchmarks measure: started headless on one simulation with a
// picture of 720 x 540 pixels.
#pragma once

#include <cstdint>

#include "started_for_bench.h"

namespace viv::bench {

constexpr int kPictureWidth = 720, kPictureHeight = 540;  // pixels

// The program started on `simulation`, its picture 720 x 540 pixels.
struct BenchProgram : StartedProgram {
    explicit BenchProgram(std::uint16_t simulation)
        : StartedProgram(kPictureWidth, kPictureHeight) {
        app.MenuEntry(simulation);
    }
};

}  // namespace viv::bench
