#pragma once
// Circles in space: the circle about a centre in the plane of a normal, in 60 chords. On
// a sphere its far part (the chords whose ends both face away from the camera, seen from
// the sphere's centre) is drawn pale first, or left out, and the rest over it in the pen.
#include <cstdint>

#include "formula/SpacePoint.h"
#include "platform/Canvas.h"
#include "platform/Extended.h"

// keepBack 1 leaves the far part out; allFront draws the whole circle in the pen. A zero
// normal draws nothing.
void DrawSpaceCircle(gfx::Canvas& canvas, const TSpacePoint& normal, const TSpacePoint& centre, std::uint8_t dashed,
                     std::uint8_t keepBack, bool allFront, Extended radius, const TSpacePoint& sphereCentre);

// Kind 7, type 9: about the point of the first text, normal in the second to fourth
// texts, radius in the fifth; drawn whole.
void DrawCircleByNormal(gfx::Canvas& canvas, int entry);
// Kind 7, type 10: where a plane cuts a sphere figure; its far part hidden behind the
// sphere is pale, or left out when the entry says so.
void DrawCircleOnSphere(gfx::Canvas& canvas, int entry);
