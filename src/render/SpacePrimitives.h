#pragma once
// Space segments and polygons: projected onto the view plane (in single precision, as the
// view's points are kept) and drawn in pixels on the canvas, or on the print picture with
// the pen width scaled. A figure with a point the camera cannot see is left out.
#include <span>

#include "formula/SpacePoint.h"
#include "formula/Tfuncprop.h"
#include "platform/Canvas.h"
#include "render/SurfaceClip.h"

// A solid pen that draws over what is there: the pen the space picture starts with.
void UsePlainPen(gfx::Canvas& canvas);
// The plain pen in the entry's colour as the output shows it, its width scaled for it.
void UseEntryPen(gfx::Canvas& canvas, const Tfuncprop& entry);
// The pixel of a space point; false when it cannot be projected.
bool ProjectToPixel(const TSpacePoint& p, gfx::Point& pixel);
// The segment in the canvas pen.
void DrawSpaceSegment(gfx::Canvas& canvas, const TSpacePoint& p1, const TSpacePoint& p2);
// The same in black, AxisWidth wide.
void DrawAxisSegment(gfx::Canvas& canvas, const TSpacePoint& p1, const TSpacePoint& p2);
// The polygon filled with the canvas brush and outlined with its pen.
void DrawSpacePolygon(std::span<const CellPoint> points, gfx::Canvas& canvas);
