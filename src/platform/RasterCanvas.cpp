#include "platform/RasterCanvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <string>
#include <numbers>
#include <tuple>

#include "platform/FontMap.h"
#include "platform/Sjis.h"
#include "platform/SjisQt.h"

namespace gfx {

namespace {

// ---------------------------------------------------------------------------------------
// Pixels

class Pixels {
 public:
  explicit Pixels(QImage& img)
      : bits_(reinterpret_cast<std::uint32_t*>(img.bits())),
        stride_(static_cast<int>(img.bytesPerLine() / 4)),
        w_(img.width()),
        h_(img.height()) {}
  int w() const { return w_; }
  int h() const { return h_; }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < w_ && y < h_; }
  std::uint32_t* Row(int y) const { return bits_ + static_cast<std::ptrdiff_t>(y) * stride_; }
  // Combines one pixel with an ARGB value by the pen mode; the point must be inside.
  static void Put(std::uint32_t& dst, std::uint32_t argb, PenMode mode) {
    switch (mode) {
      case PenMode::Copy: dst = argb; break;
      case PenMode::Xor: dst = 0xFF000000u | ((dst ^ argb) & 0xFFFFFFu); break;
      case PenMode::NotXor: dst = 0xFF000000u | (~(dst ^ argb) & 0xFFFFFFu); break;
    }
  }

 private:
  std::uint32_t* bits_;
  int stride_;
  int w_, h_;
};

// ---------------------------------------------------------------------------------------
// Spans: pixel runs [x0, x1) of rows, clipped to the picture, merged into a union.

struct Span {
  int y, x0, x1;
};

class Spans {
 public:
  Spans(int w, int h) : w_(w), h_(h) {}
  void Add(int y, long long x0, long long x1) {
    if (y < 0 || y >= h_) return;
    x0 = std::max<long long>(x0, 0);
    x1 = std::min<long long>(x1, w_);
    if (x0 < x1) spans_.push_back(Span{y, static_cast<int>(x0), static_cast<int>(x1)});
  }
  int w() const { return w_; }
  int h() const { return h_; }
  // Sorted by row and start, overlapping runs merged, so every pixel appears once.
  const std::vector<Span>& Merged() {
    std::sort(spans_.begin(), spans_.end(),
              [](const Span& a, const Span& b) { return std::tie(a.y, a.x0) < std::tie(b.y, b.x0); });
    std::vector<Span> out;
    for (const Span& s : spans_) {
      if (!out.empty() && out.back().y == s.y && s.x0 <= out.back().x1)
        out.back().x1 = std::max(out.back().x1, s.x1);
      else
        out.push_back(s);
    }
    spans_ = std::move(out);
    return spans_;
  }

 private:
  int w_, h_;
  std::vector<Span> spans_;
};

// Rows whose centre y + 0.5 lies in [lo, hi), clipped to the picture.
void RowRange(double lo, double hi, int h, int& first, int& last) {
  first = static_cast<int>(std::max(0.0, std::ceil(std::max(lo, -1.0) - 0.5)));
  last = static_cast<int>(std::min<double>(h - 1, std::ceil(std::min(hi, h + 1.0) - 0.5) - 1));
}

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

// One run per row: the region of a convex shape.
struct RowRun {
  int y, x0, x1;
};

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

int PenWidth(const Pen& pen) { return std::max(1, pen.width); }
bool Thin(const Pen& pen) { return PenWidth(pen) <= 1; }

// ---------------------------------------------------------------------------------------
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

// ---------------------------------------------------------------------------------------
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

std::vector<PointF> ToF(std::span<const Point> pts, double offset = 0) {
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

// ---------------------------------------------------------------------------------------
// Fonts: one QFont and its metrics per face, height and style.

struct QtFont {
  QFont font;
  QFontMetrics metrics;
};

const QtFont& Resolve(const Font& f) {
  static std::map<std::tuple<std::string, int, int>, QtFont> cache;
  const auto key = std::make_tuple(f.name, f.height, static_cast<int>(f.style));
  auto it = cache.find(key);
  if (it != cache.end()) return it->second;
  QFont q(FontFamilyFor(f.name));
  q.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferMatch));
  q.setHintingPreference(QFont::PreferFullHinting);
  q.setKerning(false);
  q.setBold(f.style & fontstyle::kBold);
  q.setItalic(f.style & fontstyle::kItalic);
  q.setUnderline(f.style & fontstyle::kUnderline);
  q.setStrikeOut(f.style & fontstyle::kStrikeOut);
  int h = f.height == 0 ? 16 : std::abs(f.height);
  h = std::min(h, 4000);
  if (f.height > 0) {
    // A positive height is the whole cell: find the em size whose cell is that high.
    q.setPixelSize(100);
    const int cell = std::max(1, QFontMetrics(q).height());
    h = std::max(1, static_cast<int>(std::lrint(h * 100.0 / cell)));
  }
  q.setPixelSize(std::max(1, h));
  return cache.emplace(key, QtFont{q, QFontMetrics(q)}).first->second;
}

// A text as its ink, relative to the top-left corner of its cell: glyphs are drawn once
// per font and text and then copied, which is many times faster than laying them out
// again (axis numbers and names repeat on every redraw).
struct RenderedText {
  int width = 0, height = 0;
  std::vector<Span> ink;
};

const RenderedText& Glyphs(const Font& f, std::string_view cp932) {
  static std::map<std::string, RenderedText> cache;
  std::string key = f.name;
  key += '\0';
  key += std::to_string(f.height) + ' ' + std::to_string(f.style);
  key += '\0';
  key.append(cp932);
  auto it = cache.find(key);
  if (it != cache.end()) return it->second;
  if (cache.size() > 8192) cache.clear();

  const QtFont& q = Resolve(f);
  const QString text = sjis::ToQString(cp932);
  RenderedText r;
  r.width = q.metrics.horizontalAdvance(text);
  r.height = q.metrics.height();
  // Room for italic overhangs on both sides and for glyphs beyond the cell.
  const int pad = q.metrics.height() + 2;
  QImage scratch(std::max(1, r.width + 2 * pad), std::max(1, r.height + 2 * pad), QImage::Format_RGB32);
  scratch.fill(0xFFFFFFFFu);
  {
    QPainter p(&scratch);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setFont(q.font);
    p.setPen(QColor(Qt::black));
    p.drawText(pad, pad + q.metrics.ascent(), text);
  }
  for (int j = 0; j < scratch.height(); ++j) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(scratch.constScanLine(j));
    for (int i = 0; i < scratch.width();) {
      if ((row[i] & 0xFFFFFF) == 0xFFFFFF) {
        ++i;
        continue;
      }
      const int start = i;
      while (i < scratch.width() && (row[i] & 0xFFFFFF) != 0xFFFFFF) ++i;
      r.ink.push_back(Span{j - pad, start - pad, i - pad});
    }
  }
  return cache.emplace(std::move(key), std::move(r)).first->second;
}

}  // namespace

// ---------------------------------------------------------------------------------------

RasterCanvas::RasterCanvas(int width, int height, Color fill) { Resize(width, height, fill); }

void RasterCanvas::Resize(int width, int height, Color fill) {
  image_ = QImage(std::max(1, width), std::max(1, height), QImage::Format_RGB32);
  // A size the memory cannot hold leaves a null image; keep a drawable one.
  if (image_.isNull()) image_ = QImage(1, 1, QImage::Format_RGB32);
  image_.fill(ToArgb(fill));
}

Color RasterCanvas::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) return kInvalidColor;
  return FromArgb(reinterpret_cast<const std::uint32_t*>(image_.constScanLine(y))[x]);
}

void RasterCanvas::SetPixel(int x, int y, Color c) {
  Pixels px(image_);
  if (px.Inside(x, y)) px.Row(y)[x] = ToArgb(c);
}

void RasterCanvas::DoLine(Point from, Point to) {
  Pixels px(image_);
  const Point pts[] = {from, to};
  StrokePoints(px, pts, false, pen, brush);
}

void RasterCanvas::DoPolyline(std::span<const Point> points) {
  Pixels px(image_);
  StrokePoints(px, points, false, pen, brush);
}

void RasterCanvas::DoPolygon(std::span<const Point> points) {
  Pixels px(image_);
  Spans fill(px.w(), px.h());
  ScanPolygon(FillOutline(points), fill);
  BrushSpans(px, fill, brush, pen.mode);
  StrokePoints(px, points, true, pen, brush);
}

void RasterCanvas::DoPolyBezier(std::span<const Point> points) {
  Pixels px(image_);
  const std::vector<Point> line = FlattenBezier(points);
  if (line.size() == 1) {
    const Point two[] = {line[0], line[0]};
    return StrokePoints(px, two, false, pen, brush);
  }
  StrokePoints(px, line, false, pen, brush);
}

void RasterCanvas::DoEllipse(const Rect& box) {
  Pixels px(image_);
  DrawRegion(px, EllipseRows(box, px.h()), pen, brush, EllipsePoints(box, 0, 2 * std::numbers::pi));
}

void RasterCanvas::DoArc(const Rect& box, Point start, Point end) {
  Pixels px(image_);
  if (pen.style == PenStyle::Clear || box.Width() <= 0 || box.Height() <= 0) return;
  if (!Thin(pen)) {
    double from = 0, to = 0;
    ArcAngles(box, start, end, from, to);
    return StrokeWide(px, EllipsePoints(box, from, to), false, pen);
  }
  // The ellipse's own outline pixels between the two radials.
  const double cx = (box.left + box.right - 1) / 2.0, cy = (box.top + box.bottom - 1) / 2.0;
  const double a = std::atan2(-(start.y - cy), start.x - cx);
  double b = std::atan2(-(end.y - cy), end.x - cx);
  const bool full = a == b;
  if (b <= a) b += 2 * std::numbers::pi;
  Spans outline(px.w(), px.h()), inside(px.w(), px.h());
  SplitOutline(EllipseRows(box, px.h()), outline, inside);
  const std::uint32_t argb = ToArgb(pen.color);
  for (const Span& s : outline.Merged()) {
    std::uint32_t* row = px.Row(s.y);
    for (int x = s.x0; x < s.x1; ++x) {
      if (!full) {
        double phi = std::atan2(-(s.y - cy), x - cx);
        if (phi < a) phi += 2 * std::numbers::pi;
        if (phi > b) continue;
      }
      Pixels::Put(row[x], argb, pen.mode);
    }
  }
}

void RasterCanvas::DoRectangle(const Rect& box) {
  if (box.Width() <= 0 || box.Height() <= 0) return;
  Pixels px(image_);
  std::vector<RowRun> rows;
  for (int j = std::max(box.top, -1); j < std::min(box.bottom, px.h() + 1); ++j)
    rows.push_back(RowRun{j, std::max(box.left, -1), std::min(box.right, px.w() + 1)});
  const double r = box.right - 1, b = box.bottom - 1;
  DrawRegion(px, rows, pen, brush, {{double(box.left), double(box.top)}, {r, double(box.top)}, {r, b}, {double(box.left), b}});
}

void RasterCanvas::DoRoundRect(const Rect& box, int cornerW, int cornerH) {
  if (box.Width() <= 0 || box.Height() <= 0) return;
  Pixels px(image_);
  DrawRegion(px, RoundRectRows(box, cornerW, cornerH, px.h()), pen, brush, RoundRectPoints(box, cornerW, cornerH));
}

void RasterCanvas::DoFillRect(const Rect& r) {
  Pixels px(image_);
  Spans spans(px.w(), px.h());
  for (int j = std::max(r.top, 0); j < std::min(r.bottom, px.h()); ++j) spans.Add(j, r.left, r.right);
  BrushSpans(px, spans, brush, PenMode::Copy);
}

void RasterCanvas::DoStrokePath(const std::vector<Figure>& figures) {
  Pixels px(image_);
  for (const Figure& f : figures) {
    if (f.points.size() == 1) {
      const Point two[] = {f.points[0], f.points[0]};
      StrokePoints(px, two, false, pen, brush);
    } else {
      StrokePoints(px, f.points, f.closed, pen, brush);
    }
  }
}

void RasterCanvas::DoFillPath(const std::vector<Figure>& figures) {
  Pixels px(image_);
  std::vector<std::vector<PointF>> polys;
  for (const Figure& f : figures) polys.push_back(FillOutline(f.points));
  Spans spans(px.w(), px.h());
  ScanPolygons(polys, spans);
  BrushSpans(px, spans, brush, pen.mode);
}

int RasterCanvas::TextWidth(std::string_view cp932) { return Glyphs(font, cp932).width; }

int RasterCanvas::TextHeight(std::string_view) { return Resolve(font).metrics.height(); }

void RasterCanvas::DoTextOut(int x, int y, std::string_view cp932) {
  const RenderedText& t = Glyphs(font, cp932);
  Pixels px(image_);
  if (brush.style == BrushStyle::Solid) {
    Spans cell(px.w(), px.h());
    for (long long j = std::max(y, 0); j < std::min<long long>(static_cast<long long>(y) + t.height, px.h()); ++j)
      cell.Add(static_cast<int>(j), x, static_cast<long long>(x) + t.width);
    PaintSpans(px, cell, brush.color, PenMode::Copy);
  }
  Spans ink(px.w(), px.h());
  for (const Span& s : t.ink) {
    const long long row = static_cast<long long>(y) + s.y;
    if (row >= 0 && row < px.h())
      ink.Add(static_cast<int>(row), static_cast<long long>(x) + s.x0, static_cast<long long>(x) + s.x1);
  }
  PaintSpans(px, ink, font.color, PenMode::Copy);
}

void RasterCanvas::FloodFill(int x, int y, Color c, FloodMode mode) {
  Pixels px(image_);
  if (!px.Inside(x, y)) return;
  const std::uint32_t key = ToArgb(c);
  auto fillable = [&](int fx, int fy) {
    const std::uint32_t v = px.Row(fy)[fx] | 0xFF000000u;
    return mode == FloodMode::Border ? v != key : v == key;
  };
  if (!fillable(x, y)) return;
  const int w = px.w(), h = px.h();
  std::vector<bool> seen(static_cast<std::size_t>(w) * h, false);
  auto mark = [&](int fx, int fy) { return seen[static_cast<std::size_t>(fy) * w + fx]; };
  Spans spans(w, h);
  std::vector<Point> stack{{x, y}};
  while (!stack.empty()) {
    const Point s = stack.back();
    stack.pop_back();
    if (mark(s.x, s.y) || !fillable(s.x, s.y)) continue;
    int l = s.x, r = s.x;
    while (l > 0 && !mark(l - 1, s.y) && fillable(l - 1, s.y)) --l;
    while (r + 1 < w && !mark(r + 1, s.y) && fillable(r + 1, s.y)) ++r;
    for (int i = l; i <= r; ++i) seen[static_cast<std::size_t>(s.y) * w + i] = true;
    spans.Add(s.y, l, r + 1);
    for (int ny : {s.y - 1, s.y + 1}) {
      if (ny < 0 || ny >= h) continue;
      bool inRun = false;
      for (int i = l; i <= r; ++i) {
        const bool ok = !mark(i, ny) && fillable(i, ny);
        if (ok && !inRun) stack.push_back(Point{i, ny});
        inRun = ok;
      }
    }
  }
  BrushSpans(px, spans, brush, PenMode::Copy);
}

void RasterCanvas::CopyRect(const Rect& dst, const Canvas& src, const Rect& srcRect, CopyMode mode) {
  const int dw = dst.Width(), dh = dst.Height(), sw = srcRect.Width(), sh = srcRect.Height();
  if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
  const auto* raster = dynamic_cast<const RasterCanvas*>(&src);
  // Copying from itself reads a snapshot so that overlapping rectangles stay intact.
  const QImage snapshot = raster == this ? image_.copy() : QImage();
  const QImage* srcImage = raster == this ? &snapshot : raster ? &raster->image_ : nullptr;
  Pixels px(image_);
  for (int j = std::max(dst.top, 0); j < std::min(dst.bottom, px.h()); ++j) {
    const int sy = srcRect.top + static_cast<int>((static_cast<long long>(j - dst.top) * sh) / dh);
    std::uint32_t* row = px.Row(j);
    for (int i = std::max(dst.left, 0); i < std::min(dst.right, px.w()); ++i) {
      const int sx = srcRect.left + static_cast<int>((static_cast<long long>(i - dst.left) * sw) / dw);
      std::uint32_t s;
      if (srcImage) {
        if (sx < 0 || sy < 0 || sx >= srcImage->width() || sy >= srcImage->height()) continue;
        s = reinterpret_cast<const std::uint32_t*>(srcImage->constScanLine(sy))[sx];
      } else {
        const Color c = src.Pixel(sx, sy);
        if (c == kInvalidColor) continue;
        s = ToArgb(c);
      }
      switch (mode) {
        case CopyMode::Copy: row[i] = s | 0xFF000000u; break;
        case CopyMode::And: row[i] = (row[i] & s) | 0xFF000000u; break;
        case CopyMode::Xor: row[i] = ((row[i] ^ s) & 0xFFFFFFu) | 0xFF000000u; break;
      }
    }
  }
}

}  // namespace gfx
