#include "platform/RasterStroke.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace gfx::raster {

namespace {

// Thin lines: one pixel per step of the major axis, the last pixel left out.

class ThinLine {
 public:
  ThinLine(Pixels& px, const Pen& pen, const Brush& brush) : px_(px), pen_(pen) {
    on_ = ToArgb(pen.color);
    gapOpaque_ = pen.style == PenStyle::Dot && brush.style == BrushStyle::Solid;
    off_ = ToArgb(brush.color);
  }

  void Draw(Point a, Point b) {
    const long long dx = static_cast<long long>(b.x) - a.x, dy = static_cast<long long>(b.y) - a.y;
    const long long n = std::max(std::llabs(dx), std::llabs(dy));
    if (n == 0) return;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const long long major0 = xMajor ? a.x : a.y;
    const int sMajor = (xMajor ? dx : dy) > 0 ? 1 : -1;
    const long long minor0 = xMajor ? a.y : a.x, dMinor = xMajor ? dy : dx;
    const int limit = xMajor ? px_.w() : px_.h();
    // Only the steps whose major coordinate lies inside the picture are walked.
    long long k0 = 0, k1 = n - 1;
    if (sMajor > 0) {
      k0 = std::max(k0, -major0);
      k1 = std::min(k1, limit - 1 - major0);
    } else {
      k0 = std::max(k0, major0 - (limit - 1));
      k1 = std::min(k1, major0);
    }
    const long long ad = std::llabs(dMinor);
    const int sMinor = dMinor >= 0 ? 1 : -1;
    for (long long k = k0; k <= k1; ++k) {
      const long long major = major0 + sMajor * k;
      // 128 bits: far-away ends (a few times 2^31) would overflow the product.
      const long long minor =
          minor0 + sMinor * static_cast<long long>((static_cast<__int128>(2) * k * ad + n) / (static_cast<__int128>(2) * n));
      Plot(xMajor ? major : minor, xMajor ? minor : major, phase_ + k);
    }
    phase_ += n;  // the dots run on across the vertices of a polyline
  }

 private:
  void Plot(long long x, long long y, long long step) {
    if (x < 0 || y < 0 || x >= px_.w() || y >= px_.h()) return;
    const bool on = pen_.style != PenStyle::Dot || (step / 3) % 2 == 0;
    std::uint32_t& dst = px_.Row(static_cast<int>(y))[x];
    if (on)
      Pixels::Put(dst, on_, pen_.mode);
    else if (gapOpaque_)
      Pixels::Put(dst, off_, pen_.mode);
  }

  Pixels& px_;
  const Pen& pen_;
  std::uint32_t on_ = 0, off_ = 0;
  bool gapOpaque_ = false;
  long long phase_ = 0;
};

}  // namespace

int PenWidth(const Pen& pen) { return std::max(1, pen.width); }
bool Thin(const Pen& pen) { return PenWidth(pen) <= 1; }

// Wide lines: segment bands joined (and, with round caps, ended) by discs.

void StrokeWide(Pixels& px, const std::vector<PointF>& in, bool closed, const Pen& pen) {
  const int w = PenWidth(pen);
  const double half = w / 2.0;
  // Odd widths centre on the pixel, even ones on its top-left corner.
  const double off = (w % 2) ? 0.5 : 0.0;
  std::vector<PointF> pts;
  for (const PointF& p : in) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return;
    const PointF q{std::clamp(p.x, -1e7, 1e7) + off, std::clamp(p.y, -1e7, 1e7) + off};
    if (pts.empty() || pts.back().x != q.x || pts.back().y != q.y) pts.push_back(q);
  }
  if (closed && pts.size() > 1 && pts.front().x == pts.back().x && pts.front().y == pts.back().y)
    pts.pop_back();
  if (pts.empty()) return;
  Spans spans(px.w(), px.h());
  const bool roundEnds = pen.cap == PenCap::Round || closed;
  if (pts.size() == 1) {
    if (roundEnds) ScanDisc(pts[0].x, pts[0].y, half, spans);
  } else {
    const std::size_t segs = closed ? pts.size() : pts.size() - 1;
    for (std::size_t i = 0; i < segs; ++i) {
      const PointF a = pts[i], b = pts[(i + 1) % pts.size()];
      const double len = std::hypot(b.x - a.x, b.y - a.y);
      const double nx = -(b.y - a.y) / len * half, ny = (b.x - a.x) / len * half;
      ScanPolygon({{a.x + nx, a.y + ny}, {b.x + nx, b.y + ny}, {b.x - nx, b.y - ny}, {a.x - nx, a.y - ny}},
                  spans);
    }
    for (std::size_t i = 0; i < pts.size(); ++i) {
      const bool end = !closed && (i == 0 || i + 1 == pts.size());
      if (!end || roundEnds) ScanDisc(pts[i].x, pts[i].y, half, spans);
    }
  }
  PaintSpans(px, spans, pen.color, pen.mode);
}

std::vector<PointF> ToF(std::span<const Point> pts, double offset) {
  std::vector<PointF> out;
  out.reserve(pts.size());
  for (const Point& p : pts) out.push_back(PointF{p.x + offset, p.y + offset});
  return out;
}

// Polygon vertices name pixel centres, like the pen that outlines them, so the fill
// never shows outside its outline.
std::vector<PointF> FillOutline(std::span<const Point> pts) { return ToF(pts, 0.5); }

// Draws a polyline with the pen; a closed one returns to its first point.
void StrokePoints(Pixels& px, std::span<const Point> pts, bool closed, const Pen& pen, const Brush& brush) {
  if (pen.style == PenStyle::Clear || pts.empty()) return;
  if (!Thin(pen)) return StrokeWide(px, ToF(pts), closed, pen);
  ThinLine line(px, pen, brush);
  for (std::size_t i = 0; i + 1 < pts.size(); ++i) line.Draw(pts[i], pts[i + 1]);
  if (closed && pts.size() > 1) line.Draw(pts.back(), pts.front());
}

// Fills a region of one run per row with the brush and outlines it with the pen.
void DrawRegion(Pixels& px, const std::vector<RowRun>& rows, const Pen& pen, const Brush& brush,
                const std::vector<PointF>& wideOutline) {
  Spans region(px.w(), px.h());
  if (pen.style != PenStyle::Clear && Thin(pen)) {
    Spans outline(px.w(), px.h()), inside(px.w(), px.h());
    SplitOutline(rows, outline, inside);
    BrushSpans(px, inside, brush, pen.mode);
    PaintSpans(px, outline, pen.color, pen.mode);
    return;
  }
  for (const RowRun& r : rows) region.Add(r.y, r.x0, r.x1);
  BrushSpans(px, region, brush, pen.mode);
  if (pen.style != PenStyle::Clear) StrokeWide(px, wideOutline, true, pen);
}

}  // namespace gfx::raster
