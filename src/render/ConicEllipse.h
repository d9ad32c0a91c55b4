#pragma once
// The ellipse about (cx, cy) with the radii rx and ry, turned by theta: the closed form
// of the ellipses among the relations and the circles among the figures.
#include <cstdint>

#include "platform/Canvas.h"
#include "platform/Extended.h"

// An upright or round ellipse drawn solid and not too far out is the canvas's own
// ellipse; any other is a polygon of 181 vertices, solid or dashed in the pattern of the
// pen width `width`.
void DrawConicEllipse(gfx::Canvas& canvas, std::uint8_t dashed, int width, Extended cx, Extended cy, Extended theta,
                      Extended ry, Extended rx);
