#pragma once
// A canvas over an RGB32 image: the off-screen bitmaps, the window's picture and the
// print picture. Lines, shapes, fills and raster operations are rasterised here, pixel
// by pixel, never antialiased; only glyphs go through Qt (with antialiasing off).
#include <QImage>

#include "platform/Canvas.h"

namespace gfx {

class RasterCanvas final : public Canvas {
 public:
  RasterCanvas(int width, int height, Color fill = kWhite);
  // Recreates the picture at the new size, filled with the colour.
  void Resize(int width, int height, Color fill = kWhite);

  int Width() const override { return image_.width(); }
  int Height() const override { return image_.height(); }
  const QImage& Image() const { return image_; }
  QImage& Image() { return image_; }

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
  QImage image_;
};

}  // namespace gfx
