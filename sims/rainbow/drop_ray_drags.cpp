// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/rainbow/drop_ray_drags.h"

#include <algorithm>
#include <cmath>

#include "app/scene.h"
#include "library/drop_rays.h"
#include "sims/rainbow/rainbow_state.h"

namespace viv {

namespace {

constexpr double IncomingStartX = -9;  // world units, where the incoming ray is drawn from

double Parameter(const Scene& scene) {
    return ImpactParameter(RainbowOf(scene));
}

// The incoming ray at height h, from its start to where it meets the drop.
bool GripsIncomingRay(const Scene& scene, TPoint p, double h) {
    const double entryX = -std::sqrt(std::max(DropRadius * DropRadius - h * h, 0.0));
    return GripsSegment(scene, p, {IncomingStartX, h}, {entryX, h});
}

// The secondary bow's ray enters below the centre.
double BowSign(const Scene& scene) {
    return scene.State.CurrentBow == 2 ? -1 : 1;
}

bool GripsDropRay(Scene& scene, TPoint p) {
    return GripsIncomingRay(scene, p, BowSign(scene) * Parameter(scene) * DropRadius);
}

// ScrollBar1 shows RaySteps - p RaySteps.
double DropRayPositionAt(Scene& scene, WorldPoint w) {
    const int steps = RainbowOf(scene).RaySteps;
    return steps - BowSign(scene) * w.y / DropRadius * steps;
}

bool GripsYoungRay(Scene& scene, TPoint p) {
    return GripsIncomingRay(scene, p, Parameter(scene) * DropRadius);
}

// Ray 1's parameter runs the other way along the bar: p RaySteps = Min + Max - position.
double YoungRayPositionAt(Scene& scene, WorldPoint w) {
    const RangeControl& bar = scene.Controls.ScrollBar1;
    return bar.Min + bar.Max - w.y / DropRadius * RainbowOf(scene).RaySteps;
}

}  // namespace

const DragFigure DropRayDrag{.Name = "den indfaldende stråle",
                             .Moves = Control::ScrollBar1,
                             .Grips = &GripsDropRay,
                             .PositionAt = &DropRayPositionAt};
const DragFigure YoungRayDrag{.Name = "stråle 1",
                              .Moves = Control::ScrollBar1,
                              .Grips = &GripsYoungRay,
                              .PositionAt = &YoungRayPositionAt};

}  // namespace viv
