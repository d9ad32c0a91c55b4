#pragma once
// Space curves (kind 5): x(t), y(t), z(t) for t from the third text to the fourth in the
// entry's step, projected and drawn as polylines. A sample that is undefined or that the
// camera cannot see breaks the curve; where it does, the edge is found by halving the step.
#include "platform/Canvas.h"

void DrawSpaceCurve(gfx::Canvas& canvas, int entry);

// Halvings of the parameter step that place an edge of the curve.
inline constexpr int kSpaceCurveEdgeBisections = 20;
