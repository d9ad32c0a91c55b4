#include "platform/RasterCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "platform/RasterSpans.h"
#include "platform/RasterStroke.h"
#include "platform/RasterText.h"

namespace gfx {

using namespace raster;

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

namespace {

// A copy without scaling, row by row: the off-screen bitmaps are copied whole several
// times per redraw.
void CopyUnscaled(Pixels& px, const QImage& src, const Rect& dst, const Rect& srcRect, CopyMode mode) {
  const int dx = srcRect.left - dst.left, dy = srcRect.top - dst.top;
  const int i0 = std::max({dst.left, 0, -dx}), i1 = std::min({dst.right, px.w(), src.width() - dx});
  const int j0 = std::max({dst.top, 0, -dy}), j1 = std::min({dst.bottom, px.h(), src.height() - dy});
  for (int j = j0; j < j1; ++j) {
    const std::uint32_t* from = reinterpret_cast<const std::uint32_t*>(src.constScanLine(j + dy)) + (i0 + dx);
    std::uint32_t* row = px.Row(j) + i0;
    const int n = i1 - i0;
    switch (mode) {
      case CopyMode::Copy:
        for (int i = 0; i < n; ++i) row[i] = from[i] | 0xFF000000u;
        break;
      case CopyMode::And:
        for (int i = 0; i < n; ++i) row[i] = (row[i] & from[i]) | 0xFF000000u;
        break;
      case CopyMode::Xor:
        for (int i = 0; i < n; ++i) row[i] = ((row[i] ^ from[i]) & 0xFFFFFFu) | 0xFF000000u;
        break;
    }
  }
}

}  // namespace

void RasterCanvas::CopyRect(const Rect& dst, const Canvas& src, const Rect& srcRect, CopyMode mode) {
  const int dw = dst.Width(), dh = dst.Height(), sw = srcRect.Width(), sh = srcRect.Height();
  if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
  const auto* raster = dynamic_cast<const RasterCanvas*>(&src);
  // Copying from itself reads a snapshot so that overlapping rectangles stay intact.
  const QImage snapshot = raster == this ? image_.copy() : QImage();
  const QImage* srcImage = raster == this ? &snapshot : raster ? &raster->image_ : nullptr;
  Pixels px(image_);
  if (srcImage && dw == sw && dh == sh) {
    CopyUnscaled(px, *srcImage, dst, srcRect, mode);
    return;
  }
  for (int j = std::max(dst.top, 0); j < std::min(dst.bottom, px.h()); ++j) {
    const int sy = srcRect.top + static_cast<int>((static_cast<long long>(j - dst.top) * sh) / dh);
    if (srcImage && (sy < 0 || sy >= srcImage->height())) continue;
    // One source row per destination row: looking it up per pixel costs more than the copy.
    const std::uint32_t* srcRow =
        srcImage ? reinterpret_cast<const std::uint32_t*>(srcImage->constScanLine(sy)) : nullptr;
    std::uint32_t* row = px.Row(j);
    for (int i = std::max(dst.left, 0); i < std::min(dst.right, px.w()); ++i) {
      const int sx = srcRect.left + static_cast<int>((static_cast<long long>(i - dst.left) * sw) / dw);
      std::uint32_t s;
      if (srcRow) {
        if (sx < 0 || sx >= srcImage->width()) continue;
        s = srcRow[sx];
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
