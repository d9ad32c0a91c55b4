#pragma once
// The surfaces of a space document drawn over their grids into the back bitmap, from back
// to front without a depth buffer: the cells in the grid's index order, quarter by
// quarter, with the axes and the range box slotted in between the quarters by the
// camera's octant, so that each shows in front of what lies behind it. Where two
// surfaces share a cell, the one behind is drawn first; where they cross inside it, the
// part of the first that lies in front is drawn again over the second.
#include "platform/Canvas.h"

// Surfaces, axes and box; without entries the box alone; nothing when entry 1 does not
// parse or the grids were not sampled for it.
void DrawSurfaces(gfx::Canvas& canvas);
