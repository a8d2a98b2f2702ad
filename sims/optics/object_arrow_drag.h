// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The object arrow of "Billeddannelse" and "Spejlbilledet", dragged along the axis: it
// moves ScrollBar1, the object distance.
#pragma once

#include "app/drag.h"

namespace viv {

extern const DragFigure ObjectArrowDrag;

}  // namespace viv
