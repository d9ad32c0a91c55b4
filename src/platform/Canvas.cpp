#include "platform/Canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace gfx {

namespace {

// a * b / c rounded half away from zero, as point sizes have always been converted.
int MulDiv(int a, int b, int c) {
  const long long p = static_cast<long long>(a) * b;
  const long long half = c / 2;
  return static_cast<int>(p >= 0 ? (p + half) / c : -((-p + half) / c));
}

}  // namespace

int Font::Size() const {
  return height < 0 ? MulDiv(-height, 72, kPixelsPerInch) : MulDiv(height, 72, kPixelsPerInch);
}

void Font::SetSize(int points) { height = -MulDiv(points, kPixelsPerInch, 72); }

Rect NormalizedBox(int left, int top, int right, int bottom) {
  return Rect{std::min(left, right), std::min(top, bottom), std::max(left, right),
              std::max(top, bottom)};
}

std::vector<Point> FlattenBezier(std::span<const Point> pts) {
  std::vector<Point> out;
  if (pts.empty()) return out;
  out.push_back(pts[0]);
  auto push = [&out](double x, double y) {
    const Point p{static_cast<int>(std::lrint(x)), static_cast<int>(std::lrint(y))};
    if (!(out.back() == p)) out.push_back(p);
  };
  for (std::size_t i = 0; i + 3 < pts.size(); i += 3) {
    const double x0 = pts[i].x, y0 = pts[i].y, x1 = pts[i + 1].x, y1 = pts[i + 1].y;
    const double x2 = pts[i + 2].x, y2 = pts[i + 2].y, x3 = pts[i + 3].x, y3 = pts[i + 3].y;
    // Enough steps that the chords stay within a quarter pixel of the curve.
    const double dd = std::max(std::hypot(x0 - 2 * x1 + x2, y0 - 2 * y1 + y2),
                               std::hypot(x1 - 2 * x2 + x3, y1 - 2 * y2 + y3));
    const int n = std::clamp(static_cast<int>(std::ceil(std::sqrt(dd * 3.0))), 1, 1000);
    for (int k = 1; k <= n; ++k) {
      const double t = static_cast<double>(k) / n, u = 1 - t;
      const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
      push(a * x0 + b * x1 + c * x2 + d * x3, a * y0 + b * y1 + c * y2 + d * y3);
    }
  }
  return out;
}

std::vector<PointF> EllipsePoints(const Rect& box, double from, double to) {
  const double cx = (box.left + box.right - 1) / 2.0, cy = (box.top + box.bottom - 1) / 2.0;
  const double rx = std::max(0.0, (box.right - box.left - 1) / 2.0);
  const double ry = std::max(0.0, (box.bottom - box.top - 1) / 2.0);
  const double span = std::min(to - from, 2 * std::numbers::pi);
  // Chords within a quarter pixel of the curve.
  const double r = std::max({rx, ry, 1.0});
  const double step = std::acos(std::max(-1.0, 1.0 - 0.25 / r));
  const int n = std::clamp(static_cast<int>(std::ceil(span / step)), 4, 4096);
  std::vector<PointF> out;
  out.reserve(static_cast<std::size_t>(n) + 1);
  for (int k = 0; k <= n; ++k) {
    const double t = from + span * k / n;
    out.push_back(PointF{cx + rx * std::cos(t), cy - ry * std::sin(t)});
  }
  return out;
}

std::vector<PointF> RoundRectPoints(const Rect& box, int cornerW, int cornerH) {
  const int w = std::min(std::abs(cornerW), box.Width()), h = std::min(std::abs(cornerH), box.Height());
  const double pi = std::numbers::pi;
  std::vector<PointF> all;
  auto corner = [&](int l, int t, double from) {
    const std::vector<PointF> q = EllipsePoints(Rect{l, t, l + w, t + h}, from, from + pi / 2);
    all.insert(all.end(), q.begin(), q.end());
  };
  corner(box.right - w, box.top, 0);
  corner(box.left, box.top, pi / 2);
  corner(box.left, box.bottom - h, pi);
  corner(box.right - w, box.bottom - h, 3 * pi / 2);
  all.push_back(all.front());
  return all;
}

void ArcAngles(const Rect& box, Point start, Point end, double& from, double& to) {
  const double cx = (box.left + box.right - 1) / 2.0, cy = (box.top + box.bottom - 1) / 2.0;
  const double rx = std::max(0.5, (box.right - box.left - 1) / 2.0);
  const double ry = std::max(0.5, (box.bottom - box.top - 1) / 2.0);
  auto parametric = [&](Point p) {
    const double phi = std::atan2(-(p.y - cy), p.x - cx);
    return std::atan2(rx * std::sin(phi), ry * std::cos(phi));
  };
  const double a = std::atan2(-(start.y - cy), start.x - cx);
  const double b = std::atan2(-(end.y - cy), end.x - cx);
  from = parametric(start);
  to = parametric(end);
  if (a == b) {
    to = from + 2 * std::numbers::pi;
    return;
  }
  while (to <= from) to += 2 * std::numbers::pi;
}

void Canvas::MoveTo(int x, int y) {
  penPos_ = Point{x, y};
  if (pathState_ == PathState::Open) {
    if (!path_.empty() && path_.back().type == pathtype::kMoveTo)
      path_.back().p = penPos_;
    else
      path_.push_back(PathPoint{penPos_, pathtype::kMoveTo});
  }
}

void Canvas::LineTo(int x, int y) {
  const Point from = penPos_, to{x, y};
  penPos_ = to;
  if (pathState_ == PathState::Open) {
    if (path_.empty() || (path_.back().type & pathtype::kCloseFigure))
      path_.push_back(PathPoint{from, pathtype::kMoveTo});
    path_.push_back(PathPoint{to, pathtype::kLineTo});
    return;
  }
  DoLine(from, to);
}

void Canvas::AddToPath(std::span<const Point> points, std::uint8_t firstType,
                       std::uint8_t restType, bool closed) {
  if (points.empty()) return;
  if (!path_.empty() && path_.back().type == pathtype::kMoveTo) path_.pop_back();
  path_.push_back(PathPoint{points[0], firstType});
  for (std::size_t i = 1; i < points.size(); ++i) path_.push_back(PathPoint{points[i], restType});
  if (closed) path_.back().type |= pathtype::kCloseFigure;
}

void Canvas::Polyline(std::span<const Point> points) {
  if (points.size() < 2) return;
  if (pathState_ == PathState::Open)
    AddToPath(points, pathtype::kMoveTo, pathtype::kLineTo, false);
  else
    DoPolyline(points);
}

void Canvas::Polygon(std::span<const Point> points) {
  if (points.size() < 2) return;
  if (pathState_ == PathState::Open)
    AddToPath(points, pathtype::kMoveTo, pathtype::kLineTo, true);
  else
    DoPolygon(points);
}

void Canvas::PolyBezier(std::span<const Point> points) {
  if (points.size() < 4 || (points.size() - 1) % 3 != 0) return;
  if (pathState_ == PathState::Open)
    AddToPath(points, pathtype::kMoveTo, pathtype::kBezierTo, false);
  else
    DoPolyBezier(points);
}

namespace {

std::vector<Point> Rounded(const std::vector<PointF>& pts) {
  std::vector<Point> out;
  out.reserve(pts.size());
  for (const PointF& p : pts) {
    const Point q{static_cast<int>(std::lrint(p.x)), static_cast<int>(std::lrint(p.y))};
    if (out.empty() || !(out.back() == q)) out.push_back(q);
  }
  return out;
}

}  // namespace

void Canvas::Ellipse(int left, int top, int right, int bottom) {
  const Rect box = NormalizedBox(left, top, right, bottom);
  if (pathState_ == PathState::Open) {
    std::vector<Point> pts = Rounded(EllipsePoints(box, 0, 2 * std::numbers::pi));
    if (pts.size() > 1 && pts.back() == pts.front()) pts.pop_back();
    AddToPath(pts, pathtype::kMoveTo, pathtype::kLineTo, true);
    return;
  }
  DoEllipse(box);
}

void Canvas::Arc(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye) {
  const Rect box = NormalizedBox(left, top, right, bottom);
  if (pathState_ == PathState::Open) {
    double from = 0, to = 0;
    ArcAngles(box, Point{xs, ys}, Point{xe, ye}, from, to);
    AddToPath(Rounded(EllipsePoints(box, from, to)), pathtype::kMoveTo, pathtype::kLineTo, false);
    return;
  }
  DoArc(box, Point{xs, ys}, Point{xe, ye});
}

void Canvas::Rectangle(int left, int top, int right, int bottom) {
  const Rect box = NormalizedBox(left, top, right, bottom);
  if (pathState_ == PathState::Open) {
    const Point pts[] = {{box.left, box.top},
                         {box.right - 1, box.top},
                         {box.right - 1, box.bottom - 1},
                         {box.left, box.bottom - 1}};
    AddToPath(pts, pathtype::kMoveTo, pathtype::kLineTo, true);
    return;
  }
  DoRectangle(box);
}

void Canvas::RoundRect(int left, int top, int right, int bottom, int cornerW, int cornerH) {
  const Rect box = NormalizedBox(left, top, right, bottom);
  if (pathState_ == PathState::Open) {
    std::vector<Point> pts = Rounded(RoundRectPoints(box, cornerW, cornerH));
    if (pts.size() > 1 && pts.back() == pts.front()) pts.pop_back();
    AddToPath(pts, pathtype::kMoveTo, pathtype::kLineTo, true);
    return;
  }
  DoRoundRect(box, std::abs(cornerW), std::abs(cornerH));
}

void Canvas::FillRect(const Rect& r) {
  const Rect box = NormalizedBox(r.left, r.top, r.right, r.bottom);
  if (box.Width() > 0 && box.Height() > 0) DoFillRect(box);
}

void Canvas::TextOut(int x, int y, std::string_view cp932) {
  if (!cp932.empty()) DoTextOut(x, y, cp932);
}

void Canvas::BeginPath() {
  path_.clear();
  pathState_ = PathState::Open;
}

void Canvas::EndPath() {
  if (pathState_ != PathState::Open) return;
  if (!path_.empty() && path_.back().type == pathtype::kMoveTo) path_.pop_back();
  pathState_ = PathState::Ended;
}

void Canvas::AbortPath() {
  path_.clear();
  pathState_ = PathState::None;
}

void Canvas::CloseFigure() {
  if (pathState_ == PathState::Open && !path_.empty() && path_.back().type != pathtype::kMoveTo)
    path_.back().type |= pathtype::kCloseFigure;
}

void Canvas::FlattenPath() {
  if (pathState_ != PathState::Ended) return;
  std::vector<PathPoint> flat;
  flat.reserve(path_.size());
  std::size_t i = 0;
  while (i < path_.size()) {
    if ((path_[i].type & ~pathtype::kCloseFigure) != pathtype::kBezierTo || flat.empty()) {
      flat.push_back(path_[i++]);
      continue;
    }
    // A run of Bezier points continues from the last point before it.
    std::vector<Point> ctrl{flat.back().p};
    bool closed = false;
    while (i < path_.size() && (path_[i].type & ~pathtype::kCloseFigure) == pathtype::kBezierTo) {
      ctrl.push_back(path_[i].p);
      closed = (path_[i].type & pathtype::kCloseFigure) != 0;
      ++i;
      if (closed) break;
    }
    while ((ctrl.size() - 1) % 3 != 0) ctrl.push_back(ctrl.back());
    const std::vector<Point> line = FlattenBezier(ctrl);
    for (std::size_t k = 1; k < line.size(); ++k) flat.push_back(PathPoint{line[k], pathtype::kLineTo});
    if (line.size() == 1) flat.push_back(PathPoint{line[0], pathtype::kLineTo});
    if (closed) flat.back().type |= pathtype::kCloseFigure;
  }
  path_ = std::move(flat);
}

std::vector<PathPoint> Canvas::GetPath() const {
  return pathState_ == PathState::Ended ? path_ : std::vector<PathPoint>{};
}

std::vector<Figure> Canvas::PathFigures() const {
  std::vector<Figure> figures;
  std::size_t i = 0;
  while (i < path_.size()) {
    Figure f;
    f.points.push_back(path_[i].p);
    std::size_t j = i + 1;
    std::vector<Point> bez;
    for (; j < path_.size() && (path_[j].type & ~pathtype::kCloseFigure) != pathtype::kMoveTo; ++j) {
      const std::uint8_t kind = path_[j].type & ~pathtype::kCloseFigure;
      if (kind == pathtype::kBezierTo) {
        if (bez.empty()) bez.push_back(f.points.back());
        bez.push_back(path_[j].p);
        if ((bez.size() - 1) % 3 == 0) {
          const std::vector<Point> line = FlattenBezier(bez);
          f.points.insert(f.points.end(), line.begin() + 1, line.end());
          bez.clear();
        }
      } else {
        f.points.push_back(path_[j].p);
      }
      if (path_[j].type & pathtype::kCloseFigure) {
        f.closed = true;
        ++j;
        break;
      }
    }
    if (!bez.empty()) f.points.insert(f.points.end(), bez.begin() + 1, bez.end());
    figures.push_back(std::move(f));
    i = j;
  }
  return figures;
}

void Canvas::StrokePath() {
  if (pathState_ != PathState::Ended) return;
  const std::vector<Figure> figures = PathFigures();
  AbortPath();
  if (!figures.empty()) DoStrokePath(figures);
}

void Canvas::FillPath() {
  if (pathState_ != PathState::Ended) return;
  std::vector<Figure> figures = PathFigures();
  AbortPath();
  for (Figure& f : figures) f.closed = true;
  if (!figures.empty()) DoFillPath(figures);
}

}  // namespace gfx
