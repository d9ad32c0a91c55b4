#pragma once
// Line figures of space (kind 7, types 2 to 6): lines, segments with a mark, arrows and
// rays between two points, and polylines through the points of letters, drawn by the
// plane's routines on their projected ends. An end behind the camera is brought forward
// along the segment to the camera's near plane first.
#include "formula/SpacePoint.h"
#include "platform/Canvas.h"
#include "platform/Extended.h"

struct ViewSegment {
  Extended x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};
// The segment PQ on the view plane; false when the camera sees neither end.
bool ClipSegmentToCamera(const TSpacePoint& p, const TSpacePoint& q, ViewSegment& out);

void DrawLineFigures3D(gfx::Canvas& canvas, int entry);
