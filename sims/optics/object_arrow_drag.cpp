// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sims/optics/object_arrow_drag.h"

#include <cmath>

#include "app/scene.h"
#include "sims/optics/image_formation.h"

namespace viv {

namespace {

constexpr double CoarseFrom = -8;  // world units: beyond it the bar moves the object in whole units
constexpr double HeadShare = 0.1;  // the head's arms, as a share of the arrow's height

// The shaft from the axis to the tip, and the head.
bool GripsObjectArrow(Scene& scene, TPoint p) {
    const ImageFormationState& s = ImageFormationOf(scene);
    const double a = s.ObjectX, G = s.ObjectHeight, h = HeadShare * G;
    return GripsSegment(scene, p, {a, 0}, {a, G}) ||
           GripsSegment(scene, p, {a - h, G - h}, {a + h, G - h});
}

// The ScrollBar1 position that puts the object at x = a: the inverse of ObjectPosition,
// in steps of 0.05 from -0.5 to -8 and of whole units beyond.
double ObjectArrowPositionAt(Scene& /*scene*/, WorldPoint w) {
    const double a = w.x;
    return a >= CoarseFrom ? -20 * a - 10 : 142 - a;
}

}  // namespace

const DragFigure ObjectArrowDrag{.Name = "genstanden",
                                 .Moves = Control::ScrollBar1,
                                 .Grips = &GripsObjectArrow,
                                 .PositionAt = &ObjectArrowPositionAt};

}  // namespace viv
