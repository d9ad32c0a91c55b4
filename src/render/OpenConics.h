#pragma once
// The parabolas and hyperbolas among the relations, drawn from their closed forms: one
// point per pixel of the view's extent along the curve's axis, as polylines solid or
// dashed in the pattern of the pen width `width`.
#include <cstdint>

#include "platform/Canvas.h"
#include "platform/Extended.h"

// The points (p·u − q·w, q·u + p·w) with w = c0 + c1·u + c2·u², (p, q) a unit vector.
void DrawConicParabola(gfx::Canvas& canvas, std::uint8_t dashed, int width, Extended p, Extended q, Extended c0,
                       Extended c1, Extended c2);
// R·u² + Q·w² = 1 in the axes turned by theta about (cx, cy), Q and R of opposite signs:
// the two branches, each one polyline.
void DrawConicHyperbola(gfx::Canvas& canvas, std::uint8_t dashed, int width, Extended cx, Extended cy,
                        Extended theta, Extended Q, Extended R);
