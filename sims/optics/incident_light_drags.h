// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The incident light of the optics simulations, dragged with the mouse: each moves
// ScrollBar1, the light's direction or angle of incidence.
#pragma once

#include "app/drag.h"

namespace viv {

extern const DragFigure LensBeamDrag;           // 23: the beam before the lens
extern const DragFigure PrismRayDrag;           // 26: the ray before the prism
extern const DragFigure ConcaveMirrorBeamDrag;  // 27: the beam before the mirror
extern const DragFigure ParabolaBeamDrag;       // 29: the beam before the parabola
extern const DragFigure IceRayDrag;             // 41: the ray before the crystal

}  // namespace viv
