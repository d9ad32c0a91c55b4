#include "platform/RecordingCanvas.h"

#include <cstdlib>

#include "platform/Sjis.h"

namespace gfx {

RecordedOp& RecordingCanvas::Add(OpKind kind) {
  RecordedOp& op = ops_.emplace_back();
  op.kind = kind;
  op.pen = pen;
  op.brush = brush;
  op.font = font;
  return op;
}

std::vector<RecordedOp> RecordingCanvas::OpsOf(OpKind kind) const {
  std::vector<RecordedOp> out;
  for (const RecordedOp& op : ops_)
    if (op.kind == kind) out.push_back(op);
  return out;
}

void RecordingCanvas::Clear() {
  ops_.clear();
  pixels_.clear();
}

int RecordingCanvas::TextWidth(std::string_view cp932) {
  const int h = std::abs(font.height);
  int w = 0;
  for (std::size_t i = 0; i < cp932.size(); ++i) {
    if (sjis::IsLeadByte(static_cast<unsigned char>(cp932[i])) && i + 1 < cp932.size()) {
      w += h;
      ++i;
    } else {
      w += h / 2;
    }
  }
  return w;
}

int RecordingCanvas::TextHeight(std::string_view) { return std::abs(font.height); }

Color RecordingCanvas::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return kInvalidColor;
  const auto it = pixels_.find({x, y});
  return it == pixels_.end() ? kWhite : it->second;
}

void RecordingCanvas::SetPixel(int x, int y, Color c) {
  RecordedOp& op = Add(OpKind::SetPixel);
  op.points = {Point{x, y}};
  op.color = c;
  if (x >= 0 && y >= 0 && x < width_ && y < height_) pixels_[{x, y}] = c;
}

void RecordingCanvas::FloodFill(int x, int y, Color c, FloodMode mode) {
  RecordedOp& op = Add(OpKind::FloodFill);
  op.points = {Point{x, y}};
  op.color = c;
  op.a = static_cast<int>(mode);
}

void RecordingCanvas::CopyRect(const Rect& dst, const Canvas&, const Rect& srcRect, CopyMode mode) {
  RecordedOp& op = Add(OpKind::CopyRect);
  op.rect = dst;
  op.srcRect = srcRect;
  op.a = static_cast<int>(mode);
}

void RecordingCanvas::DoLine(Point from, Point to) { Add(OpKind::Line).points = {from, to}; }

void RecordingCanvas::DoPolyline(std::span<const Point> points) {
  Add(OpKind::Polyline).points.assign(points.begin(), points.end());
}

void RecordingCanvas::DoPolygon(std::span<const Point> points) {
  Add(OpKind::Polygon).points.assign(points.begin(), points.end());
}

void RecordingCanvas::DoPolyBezier(std::span<const Point> points) {
  Add(OpKind::PolyBezier).points.assign(points.begin(), points.end());
}

void RecordingCanvas::DoEllipse(const Rect& box) { Add(OpKind::Ellipse).rect = box; }

void RecordingCanvas::DoArc(const Rect& box, Point start, Point end) {
  RecordedOp& op = Add(OpKind::Arc);
  op.rect = box;
  op.points = {start, end};
}

void RecordingCanvas::DoRectangle(const Rect& box) { Add(OpKind::Rectangle).rect = box; }

void RecordingCanvas::DoRoundRect(const Rect& box, int cornerW, int cornerH) {
  RecordedOp& op = Add(OpKind::RoundRect);
  op.rect = box;
  op.a = cornerW;
  op.b = cornerH;
}

void RecordingCanvas::DoFillRect(const Rect& r) { Add(OpKind::FillRect).rect = r; }

void RecordingCanvas::DoTextOut(int x, int y, std::string_view cp932) {
  RecordedOp& op = Add(OpKind::Text);
  op.points = {Point{x, y}};
  op.text = std::string(cp932);
}

void RecordingCanvas::DoStrokePath(const std::vector<Figure>& figures) {
  Add(OpKind::StrokePath).figures = figures;
}

void RecordingCanvas::DoFillPath(const std::vector<Figure>& figures) {
  Add(OpKind::FillPath).figures = figures;
}

}  // namespace gfx
