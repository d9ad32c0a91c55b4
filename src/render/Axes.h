#pragma once
// The plane coordinate system under and over the entries. A redraw calls DrawAxes twice:
// pass 1 into the back bitmap (grids), pass 2 on the composite bitmap (numbers, axes,
// ticks, names and arrowheads over the entries). Space mode draws none of it.
#include "platform/Canvas.h"

void DrawAxes(gfx::Canvas& canvas, int pass);

// By coordinate system; DrawAxes has prepared pixel sizes, font and pen.
void DrawCartesianAxes(gfx::Canvas& canvas, int pass);
void DrawPolarAxes(gfx::Canvas& canvas, int pass);
void DrawLogAxes(gfx::Canvas& canvas, int pass);
