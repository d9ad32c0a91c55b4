#pragma once
// Markers, arrowheads, arrows, circles and arcs.
#include <cstdint>
#include <span>

#include "platform/Canvas.h"
#include "platform/Extended.h"

// A circle of the radius about the pixel, filled (fill 1) or hollow; white draws nothing.
void DrawMarker(gfx::Canvas& canvas, int px, int py, gfx::Color colour, int fill, int radius);
// The same at a world point inside the view margin.
void DrawPointMarker(gfx::Canvas& canvas, int radius, int fill, gfx::Color colour, Extended x, Extended y);

// A filled head at the tip pointing away from the tail: style 0 a triangle, 1 notched.
// Its size factor follows the pen width unless fixedSize is set.
void DrawArrowHead(int size, std::uint8_t fixedSize, gfx::Canvas& canvas, std::uint8_t style, Extended tipX,
                   Extended tipY, Extended tailX, Extended tailY);
// The segment and, when the end (x2, y2) is inside the view margin, a head there.
void DrawArrow(int size, std::uint8_t fixedSize, gfx::Canvas& canvas, std::uint8_t style,
               std::span<const double> pattern, std::uint8_t dashed, Extended x1, Extended y1, Extended x2,
               Extended y2);

// The arc of the circle (cx, cy, r) from angle t0 to t1, counter-clockwise; dashed in
// the pattern of its pen width when asked.
void DrawCircleArc(gfx::Canvas& canvas, gfx::Color colour, std::uint8_t width, Extended t0, Extended t1,
                   Extended cx, Extended cy, Extended r, std::uint8_t dashed = 0);
