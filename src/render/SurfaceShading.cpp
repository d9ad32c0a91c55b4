#include "render/SurfaceShading.h"

#include <algorithm>
#include <cmath>

#include "formula/DocumentState.h"
#include "formula/Numeric.h"
#include "platform/Runtime.h"
#include "render/DrawToolkitColor.h"
#include "render/SpacePrimitives.h"
#include "render/SpaceView.h"

namespace {

SpaceVector Between(const CellPoint& from, const CellPoint& to) { return {to.x - from.x, to.y - from.y, to.z - from.z}; }

Extended Dot(const SpaceVector& a, const SpaceVector& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// From the centroid of the three points to the camera.
SpaceVector TowardCamera(const CellPoint& p0, const CellPoint& p1, const CellPoint& p2) {
  const TSpacePoint& c = spaceView.CameraPoint;
  return {c.x - (p0.x + p1.x + p2.x) / 3, c.y - (p0.y + p1.y + p2.y) / 3, c.z - (p0.z + p1.z + p2.z) / 3};
}

gfx::Color ShadeColor(gfx::Color c, Extended b) {
  return gfx::Rgb(ShadeChannel(gfx::RedOf(c), b), ShadeChannel(gfx::GreenOf(c), b), ShadeChannel(gfx::BlueOf(c), b));
}

}  // namespace

SpaceVector FaceNormal(const CellPoint& p0, const CellPoint& p1, const CellPoint& p2) {
  const SpaceVector a = Between(p0, p1), b = Between(p0, p2);
  const SpaceVector n{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
  const int s = Sign(n.z * spaceView.CameraPoint.z);
  return {-s * n.x, -s * n.y, -s * n.z};
}

bool CellFacesAway(const CellPoint& p0, const CellPoint& p1, const CellPoint& p3) {
  return Dot(FaceNormal(p0, p1, p3), TowardCamera(p0, p1, p3)) < 0;
}

int ShadeChannel(int c, Extended b) {
  return static_cast<int>(std::min<int64_t>(rtl::Round((1 - b) * c + b * 255), 255));
}

gfx::Color ShadedFacetColor(const CellPoint& p0, const CellPoint& p1, const CellPoint& p2, const Tfuncprop& entry) {
  const SpaceVector n = FaceNormal(p0, p1, p2), v = TowardCamera(p0, p1, p2);
  const Extended lengths = std::sqrt(Dot(n, n)) * std::sqrt(Dot(v, v));
  // A facet without a normal (seen edge-on, or a camera level with the xy plane) takes
  // the palest mix of the front colour.
  const bool normal = lengths > 0 && std::isfinite(lengths);
  Extended b = 0.3L;
  if (normal) b = std::clamp<Extended>((std::fabs(Dot(n, v) / lengths) * 255 + 3 * doc.ShadingLevel) / 300, 0.3L, 0.8L);
  const gfx::Color front = static_cast<gfx::Color>(entry.color) & 0xFFFFFF;
  if (modes.OutputColorMode != 0) return static_cast<gfx::Color>(ShadeChannel(ColorToRGBLightness(front).l, b)) * 0x010101u;
  if (normal && settings.DistinguishFrontBack) {
    const Extended e = doc.SpaceColorsNotInverted ? -Dot(n, v) : Dot(n, v);
    if (e <= 0) return ShadeColor(static_cast<gfx::Color>(entry.brushColor) & 0xFFFFFF, b);
  }
  return ShadeColor(front, b);
}

void FillSurfaceCell(gfx::Canvas& canvas, std::span<const CellPoint> points, const Tfuncprop& entry) {
  if (points.size() < 3) return;
  if (doc.SurfaceDrawMode == 0) {
    canvas.brush.color = gfx::kWhite;
  } else {
    canvas.brush.color = ShadedFacetColor(points[0], points[1], points[2], entry);
    canvas.pen.color = static_cast<gfx::Color>(entry.color) & 0xFFFFFF;
  }
  canvas.brush.style = gfx::BrushStyle::Solid;
  if (doc.SurfaceDrawMode == 2)
    canvas.pen.color = canvas.brush.color;
  else if (modes.OutputColorMode != 0)
    canvas.pen.color = gfx::kBlack;
  DrawSpacePolygon(points, canvas);
}
