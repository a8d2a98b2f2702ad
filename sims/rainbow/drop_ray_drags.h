// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The incoming ray of the drop simulations, moved up and down with the mouse: its height
// above (primary bow) or below (secondary bow) the drop's centre is the ray parameter p,
// which ScrollBar1 sets.
#pragma once

#include "app/drag.h"

namespace viv {

extern const DragFigure DropRayDrag;   // 7 and 11: p of the bow shown
extern const DragFigure YoungRayDrag;  // 10: p of ray 1, near the drop's edge

}  // namespace viv
