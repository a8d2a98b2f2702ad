// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/rainbow/drop_ray_drags.h"

#include <algorithm>
#include <cmath>

#include "app/scene.h"
#include "library/drop_rays.h"

namespace viv {

namespace {

constexpr double IncomingStartX = -9;  // world units, where the incoming ray is drawn from

double Parameter(const Scene& scene) {
    const SharedState& s = scene.State;
    return s.IncidenceMax > 0 ? static_cast<double>(s.IncidenceValue) / s.IncidenceMax : 0.0;
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

// ScrollBar1 shows IncidenceMax - p IncidenceMax.
double DropRayPositionAt(Scene& scene, WorldPoint w) {
    const SharedState& s = scene.State;
    return s.IncidenceMax - BowSign(scene) * w.y / DropRadius * s.IncidenceMax;
}

bool GripsYoungRay(Scene& scene, TPoint p) {
    return GripsIncomingRay(scene, p, Parameter(scene) * DropRadius);
}

// Ray 1's parameter runs the other way along the bar: p IncidenceMax = Min + Max - position.
double YoungRayPositionAt(Scene& scene, WorldPoint w) {
    const RangeControl& bar = scene.Controls.ScrollBar1;
    return bar.Min + bar.Max - w.y / DropRadius * scene.State.IncidenceMax;
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
