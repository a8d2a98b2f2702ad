// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/rainbow/drop_ray_drags.h"

#include <algorithm>
#include <cmath>

#include "app/app.h"
#include "library/drop_rays.h"

namespace viv {

namespace {

constexpr double IncomingStartX = -9;  // world units, where the incoming ray is drawn from

double Parameter(const App& app) {
    const SharedState& s = app.State;
    return s.IncidenceMax > 0 ? static_cast<double>(s.IncidenceValue) / s.IncidenceMax : 0.0;
}

// The incoming ray at height h, from its start to where it meets the drop.
bool GripsIncomingRay(const App& app, TPoint p, double h) {
    const double entryX = -std::sqrt(std::max(DropRadius * DropRadius - h * h, 0.0));
    return GripsSegment(app, p, {IncomingStartX, h}, {entryX, h});
}

// The secondary bow's ray enters below the centre.
double BowSign(const App& app) {
    return app.State.CurrentBow == 2 ? -1 : 1;
}

bool GripsDropRay(App& app, TPoint p) {
    return GripsIncomingRay(app, p, BowSign(app) * Parameter(app) * DropRadius);
}

// ScrollBar1 shows IncidenceMax - p IncidenceMax.
double DropRayPositionAt(App& app, WorldPoint w) {
    const SharedState& s = app.State;
    return s.IncidenceMax - BowSign(app) * w.y / DropRadius * s.IncidenceMax;
}

bool GripsYoungRay(App& app, TPoint p) {
    return GripsIncomingRay(app, p, Parameter(app) * DropRadius);
}

// Ray 1's parameter runs the other way along the bar: p IncidenceMax = Min + Max - position.
double YoungRayPositionAt(App& app, WorldPoint w) {
    const RangeControl& bar = app.Window.ScrollBar1;
    return bar.Min + bar.Max - w.y / DropRadius * app.State.IncidenceMax;
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
