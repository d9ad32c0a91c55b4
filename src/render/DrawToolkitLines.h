#pragma once
// Clipped segments, rays, whole lines and points in world coordinates.
#include <cstdint>
#include <span>

#include "platform/Canvas.h"
#include "platform/Extended.h"

// A pixel line that includes its end pixel (on the metafile: the line only).
void DrawPixelLine(int x1, int y1, int x2, int y2, gfx::Canvas& canvas);

// The view widened by one pixel on every side: the bounds clipping keeps to.
struct ViewBounds {
  Extended xl, xh, yl, yh;
};
ViewBounds WidenedView();
// Clips to the view widened by one pixel on every side; visible is 0 when rejected.
void ClipSegmentToView(Extended& x1, Extended& y1, Extended& x2, Extended& y2, std::uint8_t& visible);
// Carries the second end along the line to the widened view border; with mode 1 the
// first end too, the other way.
void ExtendToViewBorder(Extended& x1, Extended& y1, Extended& x2, Extended& y2, std::uint8_t mode);

// Solid, or dashed with the pattern (in pen widths) and the canvas pen.
void DrawWorldSegment(gfx::Canvas& canvas, std::uint8_t dashed, std::span<const double> pattern, Extended x1,
                      Extended y1, Extended x2, Extended y2);
// clipMode 1: the whole line through both points; otherwise the ray from the first
// point through the second.
void DrawStyledSegment(gfx::Canvas& canvas, gfx::Color colour, std::uint8_t clipMode, std::uint8_t dashed,
                       std::span<const double> pattern, Extended x1, Extended y1, Extended x2, Extended y2);
// The segment, or only its end point (mode 3: a light grey line) while the evaluator
// reports a jump; mode 4 clears the jump first.
void DrawWorldLine(gfx::Canvas& canvas, std::uint8_t mode, Extended x1, Extended y1, Extended x2, Extended y2);
void PlotWorldPoint(gfx::Canvas& canvas, Extended x, Extended y);
// a*x + b*y + c = 0 across the view.
void DrawInfiniteLine(gfx::Canvas& canvas, std::uint8_t dashed, Extended a, Extended b, Extended c);
void DrawLineThroughPoint(gfx::Canvas& canvas, gfx::Color colour, std::uint8_t width, Extended x0, Extended y0,
                          Extended slope);
