#pragma once
// Flat shading of surface facets: the lighter the facet, the more it faces the camera.
// A facet's normal is taken on the side away from the camera's side of the xy plane, so
// it tells the facet's upper side (seen from above) from its underside.
#include <span>

#include "formula/Tfuncprop.h"
#include "platform/Canvas.h"
#include "render/SurfaceClip.h"

struct SpaceVector {
  Extended x = 0, y = 0, z = 0;
};

// -s (a x b) for a = p1 - p0, b = p2 - p0, with s the sign of the camera's z times the z
// of a x b: the zero vector for a facet seen edge-on from above or a camera at height 0.
SpaceVector FaceNormal(const CellPoint& p0, const CellPoint& p1, const CellPoint& p2);
// The camera sees the upper side of the facet p0 p1 p3 (a cell's corners 0, 1 and 3).
bool CellFacesAway(const CellPoint& p0, const CellPoint& p1, const CellPoint& p3);
// A colour channel mixed toward white by b: min(round((1 - b) c + 255 b), 255).
int ShadeChannel(int c, Extended b);
// The fill of a facet whose first three points are given: the entry's colour, or its
// back colour when the underside shows and front and back are told apart, mixed toward
// white by the angle to the camera; greys of the colour's lightness in grey and black
// output.
gfx::Color ShadedFacetColor(const CellPoint& p0, const CellPoint& p1, const CellPoint& p2, const Tfuncprop& entry);
// Brush and pen of the drawing mode (wireframe: white over the current pen; painted: the
// shaded colour, outlined in the entry's colour, in black in grey and black output, or
// not at all), then the polygon. Fewer than three points draw nothing.
void FillSurfaceCell(gfx::Canvas& canvas, std::span<const CellPoint> points, const Tfuncprop& entry);
