#pragma once
// What the painters of the coordinate systems share.
#include <string_view>

#include "platform/Canvas.h"
#include "platform/Extended.h"
#include "render/TickSteps.h"

namespace axes {

// The grid pen width, 1 or 2, which also chooses the dash pattern of grid lines.
int GridPenWidth();
// Pen in the grid colour and width, black font, white brush.
void SetGridPen(gfx::Canvas& canvas);
// A grid line; dashed when the grid is.
void GridLine(gfx::Canvas& canvas, Extended x1, Extended y1, Extended x2, Extended y2);
// The lines x = k * spacing (vertical) or y = k * spacing strictly inside the view, k
// over the view's tick range and one past it; the dense grid adds the half steps, after
// each vertical line and before each horizontal one.
void GridLines(gfx::Canvas& canvas, bool vertical, Extended spacing, bool dense);

// An axis in the axis pen, with the arrowhead of the arrow style at its second end (the
// style without a head draws the line alone).
void AxisLine(gfx::Canvas& canvas, Extended x1, Extended y1, Extended x2, Extended y2);

// Width of a text as the axis numbers are written.
int NumberTextWidth(gfx::Canvas& canvas, std::string_view text);
// A text as the axis names are written (whatever the number setting).
void WriteAxisText(gfx::Canvas& canvas, int x, int y, std::string_view text);

}  // namespace axes
