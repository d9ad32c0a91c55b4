#pragma once
// The hatch lines drawn line by line on the print picture, where hatch brushes would not
// follow the print's scale: their number over the drawing height, and one line piece.
#include "platform/Canvas.h"

// round(k * PrintScale) lines over the height, k = 25, 50 or 100 for the region density
// coarse, normal or dense; at least 1.
int HatchLineCount();
// A two-point line on the print picture while drawing to it, else on the canvas.
void DrawHatchSegment(gfx::Canvas& canvas, int x1, int y1, int x2, int y2);
