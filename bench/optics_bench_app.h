// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The set-up the benchmarks of the optics and colour simulations share: a program with
// one simulation chosen on the largest picture, 720 x 540.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <initializer_list>

#include "started_for_bench.h"

namespace viv::bench {

// A program with the simulation chosen on a 720 x 540 picture and the given keys pressed.
struct Chosen : StartedProgram {
    Chosen(std::uint16_t simulation, std::initializer_list<FKey> keys) : StartedProgram(720, 540) {
        app.MenuEntry(simulation);
        for (FKey key : keys) app.FKeyClick(key);
    }
    bool RightSize() const {
        return app.Image && app.Image->Width() == 720 && app.Image->Height() == 540;
    }
};

// Full redraws of the simulation with the given keys pressed.
inline void Redraw(benchmark::State& state, std::uint16_t simulation,
                   std::initializer_list<FKey> keys) {
    Chosen chosen(simulation, keys);
    if (!chosen.RightSize()) state.SkipWithError("the picture is not 720 x 540");
    for (auto _ : state) chosen.app.RedrawPicture();
}

}  // namespace viv::bench
