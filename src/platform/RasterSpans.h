#pragma once
// Pixel coverage for the raster canvas: direct access to the picture's pixels, runs of
// covered pixels per row (merged, so that an xor pen touches every pixel once), and the
// scan conversion of polygons, discs, ellipses and rounded rectangles into such runs.
// Shapes are sampled at pixel centres, with left and top edges inside.
#include <QImage>
#include <algorithm>
#include <cstdint>
#include <tuple>
#include <vector>

#include "platform/Canvas.h"

namespace gfx::raster {

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

// Runs [x0, x1) of rows, clipped to the picture.
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

// Pixels whose centre lies inside the polygons (alternate rule).
void ScanPolygons(const std::vector<std::vector<PointF>>& polys, Spans& out);
void ScanPolygon(const std::vector<PointF>& poly, Spans& out);
// Pixels whose centre lies strictly within radius r of (cx, cy).
void ScanDisc(double cx, double cy, double r, Spans& out);

// One run per row: the region of a convex shape, rows not clipped to the picture (one
// spare row beyond each edge) so that its outline stays where it is at the edges.
struct RowRun {
  int y, x0, x1;
};
// The ellipse inscribed in the box (right and bottom excluded).
std::vector<RowRun> EllipseRows(const Rect& box, int pictureHeight);
std::vector<RowRun> RoundRectRows(const Rect& box, int cornerW, int cornerH, int pictureHeight);
// The 4-neighbour outline of such a region, and what lies inside it.
void SplitOutline(const std::vector<RowRun>& rows, Spans& outline, Spans& inside);

// Whether the brush covers a pixel: hatches are 8 pixels apart, aligned to the picture.
bool HatchPixel(BrushStyle style, int x, int y);
void PaintSpans(Pixels& px, Spans& spans, Color c, PenMode mode);
// Solid or hatched; the gaps of a hatch keep what is there.
void BrushSpans(Pixels& px, Spans& spans, const Brush& brush, PenMode mode);

}  // namespace gfx::raster
