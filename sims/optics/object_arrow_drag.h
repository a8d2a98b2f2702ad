// The object arrow of "Billeddannelse" and "Spejlbilledet", dragged along the axis: it
// moves ScrollBar1, the object distance.
#pragma once

#include "app/drag.h"

namespace viv {

extern const DragFigure ObjectArrowDrag;

}  // namespace viv
