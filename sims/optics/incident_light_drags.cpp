// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The incident light of the optics simulations taken with the mouse: the parallel beam
// before the lens and the mirrors, turned so that the ray taken passes the pointer; the
// single ray before the prism and the ice crystal, turned about its point of incidence.
// Each drag moves ScrollBar1, whose own event redraws.
#include "sims/optics/incident_light_drags.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "app/drag.h"
#include "library/colour_table.h"
#include "library/substance_table.h"
#include "sims/optics/ice_crystal.h"
#include "sims/optics/lenses.h"
#include "sims/optics/mirrors.h"
#include "sims/optics/optics_choice.h"
#include "sims/optics/prism.h"

namespace viv {

namespace {

constexpr double BeamStep = 0.5;        // world units between the heights of the beam's rays
constexpr int ParabolaBeamPairs = 6;    // the parabola's beam: +-0.5 .. +-3
constexpr int SmallestBeamAngle = -30;  // degrees: ScrollBar1's 0..60 is -30..30

// The ray of the beam the mouse took: its height where it crosses x = 0.
struct BeamHold {
    double Height = 0;  // world units
};

// Whether p lies on the incident part of one of the beam's rays (heights c at x = 0,
// direction `degrees`), from the window's left edge to x = 0; that ray is remembered.
bool GripsBeam(Scene& scene, TPoint p, const std::vector<double>& heights, int degrees) {
    const double slope = std::tan(degrees / DegPerRad);
    const double left = scene.Map.WorldXMin;
    const auto held = std::ranges::find_if(heights, [&](double c) {
        return GripsSegment(scene, p, {left, c + slope * left}, {0, c});
    });
    if (held == heights.end()) return false;
    scene.Own<BeamHold>().Height = *held;
    return true;
}

// The beam's direction that takes the ray held through w: ScrollBar1 = angle + 30.
double BeamPositionAt(Scene& scene, WorldPoint w) {
    const double c = scene.Own<BeamHold>().Height;
    return HoldAngle(AngleFrom({0, c}, w, 180, 1), SmallestBeamAngle, -SmallestBeamAngle) -
           SmallestBeamAngle;
}

bool GripsLensBeam(Scene& scene, TPoint p) {
    std::vector<double> heights;
    for (const BeamRay& ray : BeamOf(scene)) heights.push_back(ray.Height);
    return GripsBeam(scene, p, heights, LensOf(scene).Angle);
}

bool GripsMirrorBeam(Scene& scene, TPoint p) {
    return GripsBeam(scene, p, MirrorBeamHeights(scene), MirrorOf(scene).Angle);
}

bool GripsParabolaBeam(Scene& scene, TPoint p) {
    const MirrorState& mirror = MirrorOf(scene);
    std::vector<double> heights;
    for (int k = -ParabolaBeamPairs; k <= ParabolaBeamPairs; ++k)
        if (ReflectedAtParabola(k * BeamStep, mirror.Angle, mirror.FocalLength))
            heights.push_back(k * BeamStep);
    return GripsBeam(scene, p, heights, mirror.Angle);
}

// --- The prism and the ice crystal ---

// ScrollBar1's position, 90 - i, for the incident ray turned about its entry point
// towards w: i grows anticlockwise from the ray at normal incidence, which runs from
// `start` to `entry`.
double IncidencePositionAt(WorldPoint start, WorldPoint entry, WorldPoint w) {
    const double zero = std::atan2(start.y - entry.y, start.x - entry.x) * DegPerRad;
    return 90 - HoldAngle(AngleFrom(entry, w, zero, 1), 0, 90);
}

// The prism: the ray enters the middle of the left face.
PrismRay PrismRayAt(Scene& scene, double degrees) {
    return TracePrismRay(PrismOf(scene).Apex, degrees / DegPerRad,
                         Substance(OpticsChoiceOf(scene).Substance).SubstanceIndexRed);
}

bool GripsPrismRay(Scene& scene, TPoint p) {
    const PrismRay ray = PrismRayAt(scene, PrismOf(scene).Incidence);
    return GripsSegment(scene, p, ray.Start, ray.Entry);
}

double PrismPositionAt(Scene& scene, WorldPoint w) {
    const PrismRay normal = PrismRayAt(scene, 0);
    return IncidencePositionAt(normal.Start, normal.Entry, w);
}

// The ice crystal: the ray enters the middle of face 2.
IceRay IceRayAt(Scene& scene, double degrees) {
    return TraceIceRay(degrees / DegPerRad, IceColourOf(OpticsChoiceOf(scene).IceWavelength).Index);
}

bool GripsIceRay(Scene& scene, TPoint p) {
    const IceRay ray = IceRayAt(scene, IceCrystalOf(scene).Incidence);
    return GripsSegment(scene, p, ray.Start, ray.Entry);
}

double IcePositionAt(Scene& scene, WorldPoint w) {
    const IceRay normal = IceRayAt(scene, 0);
    return IncidencePositionAt(normal.Start, normal.Entry, w);
}

}  // namespace

const DragFigure LensBeamDrag{.Name = "det indfaldende lys",
                              .Moves = Control::ScrollBar1,
                              .Grips = &GripsLensBeam,
                              .PositionAt = &BeamPositionAt};
const DragFigure ConcaveMirrorBeamDrag{.Name = "det indfaldende lys",
                                       .Moves = Control::ScrollBar1,
                                       .Grips = &GripsMirrorBeam,
                                       .PositionAt = &BeamPositionAt};
const DragFigure ParabolaBeamDrag{.Name = "det indfaldende lys",
                                  .Moves = Control::ScrollBar1,
                                  .Grips = &GripsParabolaBeam,
                                  .PositionAt = &BeamPositionAt};
const DragFigure PrismRayDrag{.Name = "den indfaldende stråle",
                              .Moves = Control::ScrollBar1,
                              .Grips = &GripsPrismRay,
                              .PositionAt = &PrismPositionAt};
const DragFigure IceRayDrag{.Name = "den indfaldende stråle",
                            .Moves = Control::ScrollBar1,
                            .Grips = &GripsIceRay,
                            .PositionAt = &IcePositionAt};

}  // namespace viv
