#include "platform/RasterSpans.h"

#include <cmath>

namespace gfx::raster {

namespace {

// Rows whose centre y + 0.5 lies in [lo, hi), clipped to the picture.
void RowRange(double lo, double hi, int h, int& first, int& last) {
  first = static_cast<int>(std::max(0.0, std::ceil(std::max(lo, -1.0) - 0.5)));
  last = static_cast<int>(std::min<double>(h - 1, std::ceil(std::min(hi, h + 1.0) - 0.5) - 1));
}

}  // namespace

// Pixels whose centre lies inside the polygons (alternate rule, left/top edges in).
void ScanPolygons(const std::vector<std::vector<PointF>>& polys, Spans& out) {
  struct Edge {
    double x0, y0, x1, y1;
  };
  std::vector<Edge> edges;
  double minY = 1e300, maxY = -1e300;
  for (const auto& poly : polys) {
    const std::size_t n = poly.size();
    for (std::size_t i = 0; i < n; ++i) {
      const PointF a = poly[i], b = poly[(i + 1) % n];
      if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y))
        return;
      if (a.y == b.y) continue;
      edges.push_back(a.y < b.y ? Edge{a.x, a.y, b.x, b.y} : Edge{b.x, b.y, a.x, a.y});
      minY = std::min(minY, std::min(a.y, b.y));
      maxY = std::max(maxY, std::max(a.y, b.y));
    }
  }
  if (edges.empty()) return;
  int first = 0, last = -1;
  RowRange(minY, maxY, out.h(), first, last);
  std::vector<double> xs;
  for (int j = first; j <= last; ++j) {
    const double yc = j + 0.5;
    xs.clear();
    for (const Edge& e : edges)
      if (e.y0 <= yc && yc < e.y1) xs.push_back(e.x0 + (yc - e.y0) * (e.x1 - e.x0) / (e.y1 - e.y0));
    std::sort(xs.begin(), xs.end());
    for (std::size_t k = 0; k + 1 < xs.size(); k += 2) {
      const double l = std::clamp(xs[k], -2.0, out.w() + 2.0), r = std::clamp(xs[k + 1], -2.0, out.w() + 2.0);
      out.Add(j, static_cast<long long>(std::ceil(l - 0.5)), static_cast<long long>(std::ceil(r - 0.5)));
    }
  }
}

void ScanPolygon(const std::vector<PointF>& poly, Spans& out) { ScanPolygons({poly}, out); }

// Pixels whose centre lies strictly within radius r of (cx, cy).
void ScanDisc(double cx, double cy, double r, Spans& out) {
  int first = 0, last = -1;
  RowRange(cy - r, cy + r, out.h(), first, last);
  for (int j = first; j <= last; ++j) {
    const double dy = j + 0.5 - cy, d2 = r * r - dy * dy;
    if (d2 <= 0) continue;
    const double dx = std::sqrt(d2);
    out.Add(j, static_cast<long long>(std::floor(cx - dx - 0.5)) + 1,
            static_cast<long long>(std::ceil(cx + dx - 0.5)));
  }
}


// Ellipse inscribed in the box (right/bottom excluded): pixel centres inside or on it.
// Rows are not clipped here so that the outline of a shape cut by the picture edge
// stays where it is.
std::vector<RowRun> EllipseRows(const Rect& box, int h) {
  std::vector<RowRun> rows;
  const double cx = (box.left + box.right) / 2.0, cy = (box.top + box.bottom) / 2.0;
  const double rx = box.Width() / 2.0, ry = box.Height() / 2.0;
  if (rx <= 0 || ry <= 0) return rows;
  // One spare row beyond each picture edge keeps the outline test right at the edges.
  for (long long j = std::max(box.top, -1); j < std::min(box.bottom, h + 1); ++j) {
    const double v = (j + 0.5 - cy) / ry, q = 1 - v * v;
    if (q < -1e-12) continue;
    const double dx = rx * std::sqrt(std::max(0.0, q)) + 1e-9;
    const long long x0 = static_cast<long long>(std::ceil(cx - dx - 0.5));
    const long long x1 = static_cast<long long>(std::floor(cx + dx - 0.5)) + 1;
    if (x0 < x1) rows.push_back(RowRun{static_cast<int>(j), static_cast<int>(x0), static_cast<int>(x1)});
  }
  return rows;
}

std::vector<RowRun> RoundRectRows(const Rect& box, int cw, int ch, int h) {
  cw = std::min(cw, box.Width());
  ch = std::min(ch, box.Height());
  if (cw <= 1 || ch <= 1) {
    std::vector<RowRun> rows;
    for (int j = std::max(box.top, -1); j < std::min(box.bottom, h + 1); ++j)
      rows.push_back(RowRun{j, box.left, box.right});
    return rows;
  }
  const std::vector<RowRun> corner = EllipseRows(Rect{0, 0, cw, ch}, ch);
  std::vector<RowRun> rows;
  const int topPart = ch / 2, bottomPart = ch - topPart;
  for (int j = std::max(box.top, -1); j < std::min(box.bottom, h + 1); ++j) {
    int inset = 0;
    const int fromTop = j - box.top, fromBottom = box.bottom - 1 - j;
    auto insetOf = [&](int row) {
      for (const RowRun& r : corner)
        if (r.y == row) return r.x0;
      return cw / 2;
    };
    if (fromTop < topPart)
      inset = insetOf(fromTop);
    else if (fromBottom < bottomPart)
      inset = insetOf(ch - 1 - fromBottom);
    rows.push_back(RowRun{j, box.left + inset, box.right - inset});
  }
  return rows;
}

// The outline of a region of one run per row (4-neighbour boundary) and its inside.
void SplitOutline(const std::vector<RowRun>& rows, Spans& outline, Spans& inside) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const RowRun& r = rows[i];
    int a = r.x0 + 1, b = r.x1 - 1;
    const bool hasUp = i > 0 && rows[i - 1].y == r.y - 1;
    const bool hasDown = i + 1 < rows.size() && rows[i + 1].y == r.y + 1;
    if (!hasUp || !hasDown) {
      a = b;
    } else {
      a = std::max({a, rows[i - 1].x0, rows[i + 1].x0});
      b = std::min({b, rows[i - 1].x1, rows[i + 1].x1});
    }
    if (a < b) {
      outline.Add(r.y, r.x0, a);
      outline.Add(r.y, b, r.x1);
      inside.Add(r.y, a, b);
    } else {
      outline.Add(r.y, r.x0, r.x1);
    }
  }
}

bool HatchPixel(BrushStyle style, int x, int y) {
  switch (style) {
    case BrushStyle::Solid: return true;
    case BrushStyle::Clear: return false;
    case BrushStyle::BDiagonal: return ((x + y) & 7) == 0;
    case BrushStyle::FDiagonal: return ((x - y) & 7) == 0;
    case BrushStyle::DiagCross: return ((x + y) & 7) == 0 || ((x - y) & 7) == 0;
  }
  return false;
}

void PaintSpans(Pixels& px, Spans& spans, Color c, PenMode mode) {
  const std::uint32_t argb = ToArgb(c);
  for (const Span& s : spans.Merged()) {
    std::uint32_t* row = px.Row(s.y);
    if (mode == PenMode::Copy)
      std::fill(row + s.x0, row + s.x1, argb);
    else
      for (int x = s.x0; x < s.x1; ++x) Pixels::Put(row[x], argb, mode);
  }
}

void BrushSpans(Pixels& px, Spans& spans, const Brush& brush, PenMode mode) {
  if (brush.style == BrushStyle::Clear) return;
  if (brush.style == BrushStyle::Solid) return PaintSpans(px, spans, brush.color, mode);
  const std::uint32_t argb = ToArgb(brush.color);
  for (const Span& s : spans.Merged()) {
    std::uint32_t* row = px.Row(s.y);
    for (int x = s.x0; x < s.x1; ++x)
      if (HatchPixel(brush.style, x, s.y)) Pixels::Put(row[x], argb, mode);
  }
}

}  // namespace gfx::raster
