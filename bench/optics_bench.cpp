// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Full redraws of the prism and of the lens and mirror images at 720 x 540, with every
// figure switched on.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <initializer_list>

#include "app/app.h"
#include "gui/headless_host.h"
#include "sims/simulations.h"

namespace {

viv::StartupEnvironment Environment() {
    viv::StartupEnvironment env;
    env.StartDirectory = std::filesystem::current_path().string();
    env.SetupFileCandidates.clear();
    return env;
}

// A program with the simulation chosen on a 720 x 540 picture and the given keys pressed.
struct Chosen {
    viv::HeadlessHost host;
    viv::App app{host, viv::AllSimulations()};
    Chosen(std::uint16_t simulation, std::initializer_list<viv::FKey> keys) {
        host.SetPictureArea(app.Window, 720, 540);
        app.FormCreate(Environment());
        app.FormResize();
        app.MenuEntry(simulation);
        for (viv::FKey key : keys) app.FKeyClick(key);
    }
    bool RightSize() const {
        return app.Image && app.Image->Width() == 720 && app.Image->Height() == 540;
    }
};

// The prism with both colours, the normals and the deviation marks: the ray and the two
// deviation curves of the inset graph, 89 angles each.
void BM_PrismRedraw(benchmark::State& state) {
    Chosen chosen(26, {viv::FKey::F2, viv::FKey::F3, viv::FKey::F4});
    if (!chosen.RightSize()) state.SkipWithError("the picture is not 720 x 540");
    for (auto _ : state) chosen.app.RedrawPicture();
}
BENCHMARK(BM_PrismRedraw)->Unit(benchmark::kMicrosecond);

// Moving the angle of incidence: the rays and the graph's current point.
void BM_PrismIncidence(benchmark::State& state) {
    Chosen chosen(26, {viv::FKey::F2, viv::FKey::F3, viv::FKey::F4});
    int position = 1;
    for (auto _ : state) {
        chosen.app.ControlChange(viv::Control::ScrollBar1, position);
        position = position % 89 + 1;
    }
}
BENCHMARK(BM_PrismIncidence)->Unit(benchmark::kMicrosecond);

void BM_LensImageRedraw(benchmark::State& state) {
    Chosen chosen(24, {viv::FKey::F2, viv::FKey::F3, viv::FKey::F4, viv::FKey::F5});
    if (!chosen.RightSize()) state.SkipWithError("the picture is not 720 x 540");
    for (auto _ : state) chosen.app.RedrawPicture();
}
BENCHMARK(BM_LensImageRedraw)->Unit(benchmark::kMicrosecond);

void BM_MirrorImageRedraw(benchmark::State& state) {
    Chosen chosen(28, {viv::FKey::F2, viv::FKey::F3, viv::FKey::F4, viv::FKey::F5});
    if (!chosen.RightSize()) state.SkipWithError("the picture is not 720 x 540");
    for (auto _ : state) chosen.app.RedrawPicture();
}
BENCHMARK(BM_MirrorImageRedraw)->Unit(benchmark::kMicrosecond);

}  // namespace
