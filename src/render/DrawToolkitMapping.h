#pragma once
// World coordinates of the view <-> pixels of the drawing area.
#include "formula/SpacePoint.h"
#include "platform/Extended.h"

// A value kept in single precision, as the documents' view arithmetic does; beyond the
// float range it saturates to infinity instead of being undefined.
float ToSingle(Extended v);

// Unrounded pixel coordinates, stored as single and clamped to +-32000; NaN maps to
// +32000 so that clipping rejects it.
Extended WorldToPixelX(Extended x);
Extended WorldToPixelY(Extended y);
// The same rounded half to even.
int WorldToScreenX(Extended x);
int WorldToScreenY(Extended y);
struct ScreenPoint {
  int x = 0, y = 0;
};
ScreenPoint WorldToScreenPoint(const TSpacePoint& p);
// Whether the point maps to pixels short of the +-32000 clamp, so that it keeps its place.
bool MapsUnclamped(Extended x, Extended y);

// PixelSizeY from the height; PixelSizeX from the width with ownX, else the same as y.
void UpdatePixelSize(int ownX);
// Inside the view widened by one pixel on every side.
bool PointInViewMargin(int swapXY, Extended x, Extended y);
// Where the point lies on the plane view: x and y, or in space its projection (false
// when it has none).
bool ProjectRecordPoint(const TSpacePoint& p, Extended& x, Extended& y);
bool IsRecordPointVisible(const TSpacePoint& p);
// Decimal logarithms on the logarithmic axes of the coordinate system; false for a
// coordinate that is not positive there.
bool ToLogCoordinates(Extended& x, Extended& y);
