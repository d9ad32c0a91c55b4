#pragma once
// Pen strokes on the raster canvas: thin lines step one pixel per step of the major
// axis and leave out their last pixel; wide ones are bands joined (and, with round caps,
// ended) by discs, merged before they are painted.
#include <span>
#include <vector>

#include "platform/RasterSpans.h"

namespace gfx::raster {

int PenWidth(const Pen& pen);
bool Thin(const Pen& pen);

void StrokeWide(Pixels& px, const std::vector<PointF>& points, bool closed, const Pen& pen);
std::vector<PointF> ToF(std::span<const Point> pts, double offset = 0);
// Polygon vertices as pixel centres, like the pen that outlines them.
std::vector<PointF> FillOutline(std::span<const Point> pts);
// A polyline with the pen; a closed one returns to its first point.
void StrokePoints(Pixels& px, std::span<const Point> pts, bool closed, const Pen& pen, const Brush& brush);
// A region of one run per row filled with the brush and outlined with the pen (a wide
// pen strokes wideOutline instead).
void DrawRegion(Pixels& px, const std::vector<RowRun>& rows, const Pen& pen, const Brush& brush,
                const std::vector<PointF>& wideOutline);

}  // namespace gfx::raster
