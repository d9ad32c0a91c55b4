#pragma once
// The frame of the space picture: the range box (the cube [-R, R]^3) and the three axes
// of length 1.6R with arrowheads, tick crosses at -R and R, and their names.
#include <string_view>

#include "formula/SpacePoint.h"
#include "platform/Canvas.h"

// The twelve edges of the cube, when the range box is shown.
void DrawRangeBoxAll(gfx::Canvas& canvas);
void DrawBoundingBox(gfx::Canvas& canvas);
// After the surfaces, the three edges at the cube's top corner nearest the camera
// (by the grid's octant), so that they show in front of them.
void DrawRangeBoxFront(gfx::Canvas& canvas);

// The axis named `label` ("x", "y" or "z") from the origin (halfOnly) or from -end to
// end, with an arrowhead and the name at `end`; only while the axes are shown.
void DrawSpaceAxis(std::string_view label, gfx::Canvas& canvas, bool halfOnly, const TSpacePoint& end);
// A cross of two short segments at `at` on the named axis, along the other two axes.
void DrawAxisTicks(gfx::Canvas& canvas, std::string_view label, Extended at);
// The negative half of the named axis, a plain black segment.
void DrawNegativeHalfAxis(gfx::Canvas& canvas, std::string_view label);
// The positive half of the named axis with its arrowhead and name.
void DrawPositiveHalfAxis(gfx::Canvas& canvas, std::string_view label);
// The three whole axes.
void DrawSpaceAxesLabels(gfx::Canvas& canvas);
// The axes of a space document without surfaces: the camera and pixel sizes brought up
// to date, then the three whole axes.
void DrawSpaceAxesFrame(gfx::Canvas& canvas);
// The back layer of a space document: the range box and the axes.
void DrawSpaceAxesAndBox(gfx::Canvas& canvas);
