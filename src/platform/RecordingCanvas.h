#pragma once
// A canvas that draws nothing and keeps every call with the pen, brush and font in force:
// the probe of the drawing tests. Text metrics are fixed (a single-byte character is
// |height| div 2 wide, a double-byte one |height|; a line is |height| high), so layouts
// do not depend on the installed fonts. Pixels read back what SetPixel wrote, else white.
#include <map>
#include <utility>

#include "platform/Canvas.h"

namespace gfx {

enum class OpKind : std::uint8_t {
  Line,        // points: from, to
  Polyline,
  Polygon,
  PolyBezier,
  Ellipse,     // rect
  Arc,         // rect; points: start, end radial points
  Rectangle,   // rect
  RoundRect,   // rect; a, b: corner size
  FillRect,    // rect
  Text,        // points: top-left; text
  SetPixel,    // points: the pixel; color
  FloodFill,   // points: the seed; color; a: the flood mode
  CopyRect,    // rect: destination; srcRect; a: the copy mode
  StrokePath,  // figures
  FillPath,    // figures
};

struct RecordedOp {
  OpKind kind = OpKind::Line;
  std::vector<Point> points;
  std::vector<Figure> figures;
  Rect rect;
  Rect srcRect;
  std::string text;
  Color color = 0;
  int a = 0, b = 0;
  Pen pen;
  Brush brush;
  Font font;
};

class RecordingCanvas final : public Canvas {
 public:
  RecordingCanvas(int width = 500, int height = 500) : width_(width), height_(height) {}

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  const std::vector<RecordedOp>& Ops() const { return ops_; }
  std::vector<RecordedOp> OpsOf(OpKind kind) const;
  void Clear();

  int TextWidth(std::string_view cp932) override;
  int TextHeight(std::string_view cp932) override;
  Color Pixel(int x, int y) const override;
  void SetPixel(int x, int y, Color c) override;
  void FloodFill(int x, int y, Color c, FloodMode mode) override;
  void CopyRect(const Rect& dst, const Canvas& src, const Rect& srcRect, CopyMode mode) override;

 protected:
  void DoLine(Point from, Point to) override;
  void DoPolyline(std::span<const Point> points) override;
  void DoPolygon(std::span<const Point> points) override;
  void DoPolyBezier(std::span<const Point> points) override;
  void DoEllipse(const Rect& box) override;
  void DoArc(const Rect& box, Point start, Point end) override;
  void DoRectangle(const Rect& box) override;
  void DoRoundRect(const Rect& box, int cornerW, int cornerH) override;
  void DoFillRect(const Rect& r) override;
  void DoTextOut(int x, int y, std::string_view cp932) override;
  void DoStrokePath(const std::vector<Figure>& figures) override;
  void DoFillPath(const std::vector<Figure>& figures) override;

 private:
  RecordedOp& Add(OpKind kind);

  int width_, height_;
  std::vector<RecordedOp> ops_;
  std::map<std::pair<int, int>, Color> pixels_;
};

}  // namespace gfx
