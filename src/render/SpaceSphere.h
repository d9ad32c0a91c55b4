#pragma once
// Spheres (kind 7, type 8): the centre is the point of the first text, the radius the
// second text. The outline is the circle along which the camera's sight touches the
// sphere; the equator, unless the entry hides it, is drawn in 40 chords, its far half
// pale. A camera inside or on the sphere sees no outline, and nothing is drawn.
#include "platform/Canvas.h"

void DrawSphereFigure(gfx::Canvas& canvas, int entry);
