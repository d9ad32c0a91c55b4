#include "render/PathUtils.h"

#include <algorithm>
#include <cmath>

namespace {

gfx::Point RoundPoint(double x, double y) {
  return gfx::Point{static_cast<int>(std::nearbyint(x)), static_cast<int>(std::nearbyint(y))};
}

}  // namespace

void TPath::GetPoint(int index, int& x, int& y, int& kind, bool& closed) const {
  if (index < 0 || index >= Count()) throw EPathError("TPath.GetPoint: Index is Out of Range");
  x = points_[index].x;
  y = points_[index].y;
  switch (types_[index] & 6) {
    case gfx::pathtype::kMoveTo: kind = 0; break;
    case gfx::pathtype::kBezierTo: kind = 2; break;
    default: kind = 1; break;
  }
  closed = (types_[index] & gfx::pathtype::kCloseFigure) != 0;
}

void TPath::LoadFromCanvas(const gfx::Canvas& canvas) {
  const std::vector<gfx::PathPoint> path = canvas.GetPath();
  points_.clear();
  types_.clear();
  points_.reserve(path.size());
  types_.reserve(path.size());
  for (const gfx::PathPoint& p : path) {
    points_.push_back(p.p);
    types_.push_back(p.type);
  }
}

void TPath::Assign(const TPath& source) {
  points_ = source.points_;
  types_ = source.types_;
}

void TPath::DrawPatterned(gfx::Canvas& canvas, gfx::Color colour, std::uint8_t flatCaps,
                          std::span<const double> pattern, int width) const {
  std::vector<gfx::Point> figure;
  std::size_t i = 0;
  while (i < points_.size()) {
    figure.assign(1, points_[i]);
    std::size_t j = i + 1;
    while (j < points_.size() && (types_[j] & 6) != gfx::pathtype::kMoveTo) figure.push_back(points_[j++]);
    if (types_[j - 1] & gfx::pathtype::kCloseFigure) figure.push_back(points_[i]);
    if (figure.size() >= 2)
      DrawPatternedPolyline(figure, static_cast<int>(figure.size()) - 1, canvas, flatCaps, pattern, width,
                            colour);
    i = j;
  }
}

void DrawPatternedPolyline(std::span<const gfx::Point> points, int last, gfx::Canvas& canvas,
                           std::uint8_t flatCaps, std::span<const double> pattern, int width,
                           gfx::Color colour) {
  double sum = 0;
  for (double v : pattern) sum += std::isfinite(v) && v > 0 ? v : 0;
  if (!(sum > 0)) return;
  if (points.empty() || last < 0) return;
  last = std::min<int>(last, static_cast<int>(points.size()) - 1);
  const int w = std::max(width, 1);
  auto len = [&](std::size_t k) { return std::isfinite(pattern[k]) && pattern[k] > 0 ? pattern[k] : 0.0; };

  // Distance along the polyline at each vertex.
  std::vector<double> at(static_cast<std::size_t>(last) + 1, 0.0);
  for (int i = 1; i <= last; ++i)
    at[i] = at[i - 1] + std::hypot(double(points[i].x) - points[i - 1].x, double(points[i].y) - points[i - 1].y);
  const double total = at[last];

  const gfx::Pen saved = canvas.pen;
  canvas.pen.width = w;
  canvas.pen.color = colour;
  canvas.pen.style = gfx::PenStyle::Solid;
  canvas.pen.cap = flatCaps ? gfx::PenCap::Flat : gfx::PenCap::Round;

  // The point at distance s on the edge that ends at vertex e (zero-length edges skipped).
  std::size_t edge = 1;
  auto pointAt = [&](double s) {
    while (edge < static_cast<std::size_t>(last) && (at[edge] < s || at[edge] == at[edge - 1])) ++edge;
    const double l = at[edge] - at[edge - 1];
    if (!(l > 0)) return points[edge];
    const double f = std::clamp((s - at[edge - 1]) / l, 0.0, 1.0);
    const gfx::Point a = points[edge - 1], b = points[edge];
    return RoundPoint(a.x + (b.x - a.x) * f, a.y + (b.y - a.y) * f);
  };

  std::size_t k = 0;
  double a = 0, b = w * len(0);
  std::vector<gfx::Point> dash;
  while (a < total && last >= 1) {
    const double end = std::min(b, total);
    dash.clear();
    dash.push_back(pointAt(a));
    const std::size_t first = edge;
    for (std::size_t v = first; v <= static_cast<std::size_t>(last) && at[v] <= end; ++v)
      if (at[v] > a && !(dash.back() == points[v])) dash.push_back(points[v]);
    const gfx::Point tail = pointAt(end);
    if (!(dash.back() == tail) || dash.size() == 1) dash.push_back(tail);
    canvas.BeginPath();
    canvas.Polyline(dash);
    canvas.EndPath();
    canvas.StrokePath();
    k = (k + 1) % pattern.size();
    const double gap = len(k);
    k = (k + 1) % pattern.size();
    a = b + w * gap;
    b = a + w * len(k);
  }
  canvas.pen = saved;
}

void DashOpenPath(gfx::Canvas& canvas, std::span<const double> pattern) {
  canvas.EndPath();
  canvas.FlattenPath();
  TPath path;
  path.LoadFromCanvas(canvas);
  canvas.AbortPath();
  path.DrawPatterned(canvas, canvas.pen.color, 1, pattern, canvas.pen.width);
}
