#include "render/ViewClipping.h"

#include <cmath>
#include <cstdint>
#include <utility>

#include "render/DrawToolkitLines.h"
#include "render/DrawToolkitMapping.h"

ClippedPolyline::ClippedPolyline(Draw draw) : draw_(std::move(draw)) { pixels_.reserve(64); }

void ClippedPolyline::Side(const ViewPoint& p, const ViewPoint& q) {
  if (MapsUnclamped(p.x, p.y) && MapsUnclamped(q.x, q.y)) {
    if (pixels_.empty()) Add(p);
    Add(q);
    return;
  }
  ViewPoint a = p, b = q;
  std::uint8_t visible = 0;
  ClipSegmentToView(a.x, a.y, b.x, b.y, visible);
  if (!visible) {
    Flush();
    return;
  }
  if (a.x != p.x || a.y != p.y) Flush();
  if (pixels_.empty()) Add(a);
  Add(b);
  if (b.x != q.x || b.y != q.y) Flush();
}

void ClippedPolyline::Flush() {
  if (pixels_.size() == 1) pixels_.push_back(pixels_.back());
  if (pixels_.size() >= 2) draw_(pixels_);
  pixels_.clear();
}

void ClippedPolyline::Add(const ViewPoint& p) {
  const gfx::Point pixel{WorldToScreenX(p.x), WorldToScreenY(p.y)};
  if (pixels_.empty() || !(pixels_.back() == pixel)) pixels_.push_back(pixel);
}

namespace {

// One border of the widened view: the side of x (or y) = bound the view lies on.
struct Border {
  bool alongX;
  Extended bound;
  bool keepAbove;
  bool Keeps(const ViewPoint& p) const {
    const Extended c = alongX ? p.x : p.y;
    return keepAbove ? c >= bound : c <= bound;
  }
  ViewPoint Crossing(const ViewPoint& p, const ViewPoint& q) const {
    if (alongX) return {bound, p.y + (q.y - p.y) * (bound - p.x) / (q.x - p.x)};
    return {p.x + (q.x - p.x) * (bound - p.y) / (q.y - p.y), bound};
  }
};

// Sutherland-Hodgman against the four borders in turn.
std::vector<ViewPoint> ClipPolygonToView(std::span<const ViewPoint> polygon) {
  for (const ViewPoint& p : polygon)
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return {};
  const ViewBounds b = WidenedView();
  const Border borders[] = {{true, b.xl, true}, {true, b.xh, false}, {false, b.yl, true}, {false, b.yh, false}};
  std::vector<ViewPoint> out(polygon.begin(), polygon.end()), in;
  for (const Border& border : borders) {
    in.swap(out);
    out.clear();
    for (size_t i = 0; i < in.size(); ++i) {
      const ViewPoint& p = in[i];
      const ViewPoint& q = in[(i + 1) % in.size()];
      const bool keepP = border.Keeps(p), keepQ = border.Keeps(q);
      if (keepP) out.push_back(p);
      if (keepP != keepQ) out.push_back(border.Crossing(p, q));
    }
  }
  if (out.size() < 3) out.clear();
  return out;
}

}  // namespace

PixelPolygon PolygonToPixels(std::span<const ViewPoint> vertices) {
  PixelPolygon polygon;
  for (const ViewPoint& v : vertices) polygon.clipped = polygon.clipped || !MapsUnclamped(v.x, v.y);
  if (!polygon.clipped) {
    for (const ViewPoint& v : vertices) polygon.fill.push_back({WorldToScreenX(v.x), WorldToScreenY(v.y)});
    std::vector<gfx::Point> round = polygon.fill;
    if (!round.empty()) round.push_back(round.front());
    polygon.outline.push_back(std::move(round));
    return polygon;
  }
  for (const ViewPoint& v : ClipPolygonToView(vertices))
    polygon.fill.push_back({WorldToScreenX(v.x), WorldToScreenY(v.y)});
  ClippedPolyline sides([&](std::span<const gfx::Point> run) { polygon.outline.emplace_back(run.begin(), run.end()); });
  for (size_t i = 0; i < vertices.size(); ++i) sides.Side(vertices[i], vertices[(i + 1) % vertices.size()]);
  sides.Flush();
  return polygon;
}

void DrawPixelPolygon(gfx::Canvas& target, const PixelPolygon& polygon) {
  if (!polygon.clipped) {
    target.Polygon(polygon.fill);
    return;
  }
  // The clipped edges lie on the widened border: filled without the pen, which draws only
  // the polygon's own sides.
  const gfx::Pen pen = target.pen;
  target.pen.style = gfx::PenStyle::Clear;
  if (!polygon.fill.empty()) target.Polygon(polygon.fill);
  target.pen = pen;
  for (const std::vector<gfx::Point>& run : polygon.outline) target.Polyline(run);
}
