#include "render/SpacePrimitives.h"

#include "formula/DocumentState.h"
#include "render/DrawToolkit.h"
#include "render/SpaceView.h"
#include "render/ViewClipping.h"

namespace {

// The point projected in single precision onto the view plane; false when it cannot be seen.
bool SinglePrecisionProjection(Extended x, Extended y, Extended z, ViewPoint& view) {
  TSpacePoint q;
  ProjectXYZ(q, ToSingle(x), ToSingle(y), ToSingle(z));
  if (!q.valid) return false;
  view = {q.x, q.y};
  return true;
}

// The canvas, or the print picture with the canvas pen (its width scaled) and brush as
// they are: shaded surfaces keep their greys in every output mode.
gfx::Canvas& SpaceOutput(gfx::Canvas& canvas) {
  if (!DrawingToMetafile() || settings.MetafileCanvas == &canvas) return canvas;
  gfx::Canvas& out = *settings.MetafileCanvas;
  out.pen = canvas.pen;
  out.pen.width = ScaleToOutput(canvas.pen.width);
  out.brush = canvas.brush;
  return out;
}

}  // namespace

void UsePlainPen(gfx::Canvas& canvas) {
  canvas.pen.style = gfx::PenStyle::Solid;
  canvas.pen.mode = gfx::PenMode::Copy;
}

void UseEntryPen(gfx::Canvas& canvas, const Tfuncprop& entry) {
  UsePlainPen(canvas);
  canvas.pen.color = OutputColor(static_cast<gfx::Color>(entry.color));
  canvas.pen.width = ScaleToOutput(entry.penWidth);
}

bool ProjectToPixel(const TSpacePoint& p, gfx::Point& pixel) {
  TSpacePoint q;
  ProjectPoint(p, q);
  if (!q.valid) return false;
  pixel = {WorldToScreenX(q.x), WorldToScreenY(q.y)};
  return true;
}

void DrawSpaceSegment(gfx::Canvas& canvas, const TSpacePoint& p1, const TSpacePoint& p2) {
  ViewPoint a, b;
  if (!SinglePrecisionProjection(p1.x, p1.y, p1.z, a) || !SinglePrecisionProjection(p2.x, p2.y, p2.z, b)) return;
  gfx::Canvas& out = SpaceOutput(canvas);
  ClippedPolyline line([&out](std::span<const gfx::Point> run) { out.Polyline(run); });
  line.Side(a, b);
  line.Flush();
}

void DrawAxisSegment(gfx::Canvas& canvas, const TSpacePoint& p1, const TSpacePoint& p2) {
  canvas.pen.color = gfx::kBlack;
  canvas.pen.width = doc.AxisWidth;
  DrawSpaceSegment(canvas, p1, p2);
}

void DrawSpacePolygon(std::span<const CellPoint> points, gfx::Canvas& canvas) {
  ViewPoint views[CellPolygon::kCapacity];
  size_t n = 0;
  for (const CellPoint& p : points) {
    if (n == CellPolygon::kCapacity || !SinglePrecisionProjection(p.x, p.y, p.z, views[n])) return;
    ++n;
  }
  DrawPixelPolygon(SpaceOutput(canvas), PolygonToPixels(std::span<const ViewPoint>(views, n)));
}
