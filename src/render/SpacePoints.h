#pragma once
// Points of space (kind 8): a marker at every valid point of the entry that the camera
// can see, with the guide lines to the axes while they are shown. A point made on a
// sphere is drawn lighter while it lies on the far side of it. The guide box drawn in
// not-xor follows a point while it is dragged.
#include <cstdint>

#include "formula/SpacePoint.h"
#include "platform/Canvas.h"
#include "platform/Extended.h"

// White entries draw nothing.
void DrawPointEntry3D(gfx::Canvas& canvas, int entry, std::uint8_t guide);
// The colour of a point of the entry: lighter (never white) when it is made on a sphere
// and faces away from the camera as seen from the sphere's centre.
gfx::Color DimPointBehindSphere(int entry, const TSpacePoint& p, gfx::Color colour);
// While the point guides are shown: the nine edges of the box between the origin and
// (x, y, z) that do not meet the origin, blue along a positive coordinate, red along a
// negative one.
void DrawAxisPerpendiculars(gfx::Canvas& canvas, Extended x, Extended y, Extended z);
// The same box in grey not-xor (for z = 0 the two far sides of its rectangle): drawing it
// twice leaves the picture as it was.
void DrawPointGuideBoxXor(gfx::Canvas& canvas, Extended x, Extended y, Extended z);
