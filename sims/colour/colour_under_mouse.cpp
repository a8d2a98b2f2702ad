// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/colour/colour_under_mouse.h"

#include "library/format.h"
#include "library/world.h"

namespace viv {

namespace {

std::string Channel(const char* name, int value) {
    return std::string(name) + FormatReal(1, 0, value * 100.0 / 255) + "%";
}

}  // namespace

void ShowColourUnderMouse(Scene& scene, TCanvas& canvas) {
    World& world = scene.Map;
    MouseToWorld(world, scene.Pointer());
    const TColor c =
        canvas.GetPixel(world.PictureX(world.MouseWorld.x), world.PictureY(world.MouseWorld.y));
    scene.Out.Panel1 = Channel("R=", RedOf(c));
    scene.Out.Panel2 = Channel("G=", GreenOf(c));
    scene.Out.Panel3 = Channel("B=", BlueOf(c));
}

}  // namespace viv
