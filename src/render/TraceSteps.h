#pragma once
// Following the curve F = 0 from one of its points: steps of the pen width along the
// tangent, each carried back onto the curve by turning it on a circle about the current
// point, drawn segment by segment and marked in the scan's cells.
#include "formula/Tfrec.h"
#include "platform/Canvas.h"
#include "render/TraceCrossings.h"

// One step of `width` pixels along the tangent given by the gradient (gx, gy), in the
// direction of the signs sx, sy, then ArcSearch.
TracePoint TangentStep(Tfrec*& F, int sx, int sy, int width, Extended gy, Extended gx, const TracePoint& current);
// The point of the curve on the circle through current + (dx, dy) about current, within a
// quarter turn either way of it; invalid where F is not drawable, where no sign change lies
// within the quarter turns, or for a step of length 0.
TracePoint ArcSearch(Tfrec*& F, Extended dy, Extended dx, const TracePoint& current);
// Follows the curve both ways from a point on it, drawing in the canvas pen. A direction
// ends where F is not drawable or no step is found, where the curve leaves the view, where
// a step lands on a pixel of the pen colour (except where branches of the curve cross
// close by: the trace goes on across), or after more steps than a curve through every
// cell would need; the trace ends when it comes back to its start.
void TraceFromPoint(Tfrec*& F, const TracePoint& start, gfx::Canvas& canvas);
