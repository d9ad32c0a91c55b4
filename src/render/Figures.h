#pragma once
// The plane figures (kind 7), drawn on the points their letters name: lines through a
// point with a direction or through two points, segments with a midpoint mark, arrows,
// rays, polylines and polygons, filled polygons, circles, arcs, Bézier curves and angle
// marks. Two-point figures are drawn only when both points exist and differ.
#include "formula/Tfuncprop.h"
#include "platform/Canvas.h"

void DrawFigureEntry(gfx::Canvas& canvas, const Tfuncprop& entry);

// A direction component smaller than this counts as 0 (a vertical or horizontal line).
inline constexpr long double kDirectionSnap = 1e-6L;
