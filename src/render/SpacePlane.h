#pragma once
// Plane figures of space (kind 7, type 1): the plane through the point of the first text
// with the normal of the second to fourth, drawn as its outline. While the range box is
// shown (or the entry asks for it) the plane is cut by the range cube; otherwise a square
// of side 2R about the point stands for it. A zero normal draws nothing.
#include "platform/Canvas.h"

void DrawPlaneFigure(gfx::Canvas& canvas, int entry);
