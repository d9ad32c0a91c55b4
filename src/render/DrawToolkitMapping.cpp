#include "render/DrawToolkitMapping.h"

#include <cfloat>
#include <cmath>
#include <limits>

#include "formula/DocumentState.h"
#include "platform/Runtime.h"
#include "render/SpaceView.h"

namespace {

Extended ClampPixel(Extended q) {
  if (std::isnan(q) || q > 32000) return 32000;
  if (q < -32000) return -32000;
  return static_cast<Extended>(static_cast<float>(q));
}

// size * offset / span; a view of no span (a broken file) maps nowhere, like NaN.
Extended MapToPixels(int32_t size, Extended offset, Extended span) {
  if (span == 0) return 32000;
  return ClampPixel(size * offset / span);
}

}  // namespace

float ToSingle(Extended v) {
  if (std::isnan(v)) return std::numeric_limits<float>::quiet_NaN();
  if (v > FLT_MAX) return std::numeric_limits<float>::infinity();
  if (v < -FLT_MAX) return -std::numeric_limits<float>::infinity();
  return static_cast<float>(v);
}

Extended WorldToPixelX(Extended x) {
  const TViewRange& v = doc.ViewRange;
  return MapToPixels(doc.GraphWidth, x - v.XMin, v.XMax - v.XMin);
}

Extended WorldToPixelY(Extended y) {
  const TViewRange& v = doc.ViewRange;
  return MapToPixels(doc.GraphHeight, v.YMax - y, v.YMax - v.YMin);
}

namespace {

// The mapped value is a single within +-32000: rounded half to even as a single, which is
// much quicker than rounding it as an extended and gives the same pixel.
int RoundPixel(Extended q) { return static_cast<int>(std::lrint(static_cast<float>(q))); }

}  // namespace

int WorldToScreenX(Extended x) { return RoundPixel(WorldToPixelX(x)); }
int WorldToScreenY(Extended y) { return RoundPixel(WorldToPixelY(y)); }

ScreenPoint WorldToScreenPoint(const TSpacePoint& p) { return {WorldToScreenX(p.x), WorldToScreenY(p.y)}; }

bool MapsUnclamped(Extended x, Extended y) {
  const Extended px = WorldToPixelX(x), py = WorldToPixelY(y);
  return -32000 < px && px < 32000 && -32000 < py && py < 32000;
}

void UpdatePixelSize(int ownX) {
  const TViewRange& v = doc.ViewRange;
  // A drawing area of no size (a broken file) must not divide by zero.
  const int w = doc.GraphWidth > 0 ? doc.GraphWidth : 1;
  const int h = doc.GraphHeight > 0 ? doc.GraphHeight : 1;
  const Extended dy = ToSingle(v.YMax - v.YMin);  // kept in single precision
  doc.PixelSizeY = dy / h;
  doc.PixelSizeX = ownX ? static_cast<Extended>(ToSingle(v.XMax - v.XMin)) / w : dy / h;
}

bool PointInViewMargin(int swapXY, Extended x, Extended y) {
  if (swapXY) std::swap(x, y);
  const TViewRange& v = doc.ViewRange;
  return v.XMin - doc.PixelSizeX <= x && x <= v.XMax + doc.PixelSizeX && v.YMin - doc.PixelSizeY <= y &&
         y <= v.YMax + doc.PixelSizeY;
}

bool ProjectRecordPoint(const TSpacePoint& p, Extended& x, Extended& y) {
  x = p.x;
  y = p.y;
  if (doc.Dimension != 3) return true;
  TSpacePoint q;
  ProjectPoint(p, q);
  x = q.x;
  y = q.y;
  return q.valid;
}

bool IsRecordPointVisible(const TSpacePoint& p) {
  Extended x = 0, y = 0;
  return ProjectRecordPoint(p, x, y) && PointInViewMargin(0, x, y);
}

bool ToLogCoordinates(Extended& x, Extended& y) {
  switch (doc.CoordinateSystem) {
    case 2:
      if (!(y > 0)) return false;
      y = std::log10(y);
      return true;
    case 3:
      if (!(x > 0 && y > 0)) return false;
      x = std::log10(x);
      y = std::log10(y);
      return true;
    case 4:
      if (!(x > 0)) return false;
      x = std::log10(x);
      return true;
    default:
      return true;
  }
}

