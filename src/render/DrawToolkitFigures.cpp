#include "render/DrawToolkitFigures.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "formula/DocumentState.h"
#include "platform/Runtime.h"
#include "render/DrawToolkitColor.h"
#include "render/DrawToolkitLines.h"
#include "render/DrawToolkitMapping.h"
#include "render/DrawToolkitOutput.h"
#include "render/PathUtils.h"

namespace {

int R(Extended v) { return static_cast<int>(rtl::Round(v)); }

// Arrowhead size factor by pen width.
Extended ArrowFactor(int width) {
  switch (width) {
    case 1: return 1;
    case 2: return 1.16L;
    case 3: return 1.3L;
    default: return width;
  }
}

}  // namespace

void DrawMarker(gfx::Canvas& canvas, int px, int py, gfx::Color colour, int fill, int radius) {
  if ((colour & 0xFFFFFF) == 0xFFFFFF) return;
  const int savedWidth = canvas.pen.width;
  canvas.pen.color = canvas.brush.color = OutputColor(colour);
  if (fill == 1) {
    // The caller's pen is already scaled for the output; scaling it again would blot
    // the marker on paper.
    canvas.brush.style = gfx::BrushStyle::Solid;
  } else {
    canvas.pen.width = ScaleToOutput(2);
    canvas.brush.style = gfx::BrushStyle::Clear;
  }
  const int r = ScaleToOutput(radius);
  OutputCanvas(canvas, kCopyPen | kCopyBrush).Ellipse(px - r, py - r, px + r, py + r);
  canvas.pen.width = savedWidth;
}

void DrawPointMarker(gfx::Canvas& canvas, int radius, int fill, gfx::Color colour, Extended x, Extended y) {
  if (PointInViewMargin(0, x, y)) DrawMarker(canvas, WorldToScreenX(x), WorldToScreenY(y), colour, fill, radius);
}

void DrawArrowHead(int size, std::uint8_t fixedSize, gfx::Canvas& canvas, std::uint8_t style, Extended tipX,
                   Extended tipY, Extended tailX, Extended tailY) {
  const Extended tx = WorldToPixelX(tipX), ty = WorldToPixelY(tipY);
  Extended ux = WorldToPixelX(tailX), uy = WorldToPixelY(tailY);
  if (!MapsUnclamped(tailX, tailY)) {
    // A far tail would be clamped one coordinate at a time and turn the head off its line.
    const TViewRange& v = doc.ViewRange;
    ux = tx + (tailX - tipX) * doc.GraphWidth / (v.XMax - v.XMin);
    uy = ty + (tipY - tailY) * doc.GraphHeight / (v.YMax - v.YMin);
  }
  const Extended d = std::hypot(ux - tx, uy - ty);
  if (!(d > 0) || !std::isfinite(d)) return;
  // The factor follows the line's own width, not the width scaled for paper.
  const float scale = settings.OutputScale > 0 ? settings.OutputScale : 1.0f;
  const int width = std::max(1, R(static_cast<Extended>(canvas.pen.width) / scale));
  const Extended a = fixedSize ? 1 : ArrowFactor(width);
  const Extended b = a + 0.1L, g = 0.1L * style + 0.32L;
  const Extended cx = tx + (ux - tx) / d * size * b, cy = ty + (uy - ty) / d * size * b;
  const Extended nx = (uy - ty) / d, ny = (tx - ux) / d;
  const Extended wing = a * size * g;
  const gfx::Point tip{R(tx), R(ty)};
  const gfx::Point minus{R(cx - wing * nx), R(cy - wing * ny)};
  const gfx::Point plus{R(cx + wing * nx), R(cy + wing * ny)};
  const gfx::Point notch{R((tx + 3 * cx) / 4), R((ty + 3 * cy) / 4)};

  const gfx::Color savedBrush = canvas.brush.color;
  const int savedWidth = canvas.pen.width;
  canvas.brush.style = gfx::BrushStyle::Solid;
  canvas.brush.color = canvas.pen.color;
  canvas.pen.width = 1;
  gfx::Canvas& target = OutputCanvas(canvas, kCopyPen | kCopyBrush);
  if (&target != &canvas) target.pen.width = ScaleToOutput(1);
  if (style == 1) {
    const gfx::Point pts[] = {tip, minus, notch, plus};
    target.Polygon(pts);
  } else {
    const gfx::Point pts[] = {tip, minus, plus};
    target.Polygon(pts);
  }
  canvas.brush.color = savedBrush;
  canvas.pen.width = savedWidth;
}

void DrawArrow(int size, std::uint8_t fixedSize, gfx::Canvas& canvas, std::uint8_t style,
               std::span<const double> pattern, std::uint8_t dashed, Extended x1, Extended y1, Extended x2,
               Extended y2) {
  eng.EvalOK = 1;
  DrawWorldSegment(canvas, dashed, pattern, x1, y1, x2, y2);
  if (PointInViewMargin(0, x2, y2)) DrawArrowHead(size, fixedSize, canvas, style, x2, y2, x1, y1);
}

void DrawCircleArc(gfx::Canvas& canvas, gfx::Color colour, std::uint8_t width, Extended t0, Extended t1,
                   Extended cx, Extended cy, Extended r, std::uint8_t dashed) {
  if (t0 > t1) std::swap(t0, t1);
  if (!(t0 < t1)) return;  // equal angles, or not numbers
  const int left = WorldToScreenX(cx - r), top = WorldToScreenY(cy + r);
  const int right = WorldToScreenX(cx + r), bottom = WorldToScreenY(cy - r);
  const gfx::Point start{WorldToScreenX(cx + r * std::cos(t0)), WorldToScreenY(cy + r * std::sin(t0))};
  const gfx::Point end{WorldToScreenX(cx + r * std::cos(t1)), WorldToScreenY(cy + r * std::sin(t1))};

  gfx::Canvas* target = &canvas;
  if (DrawingToMetafile()) {
    target = &OutputCanvas(canvas, 0);
    target->pen.color = OutputColor(colour);
    ApplyOutputModeToMetafile();
    target->pen.width = ScaleToOutput(width);
  } else {
    canvas.pen.color = colour;
    canvas.pen.width = width;
  }
  target->brush.style = gfx::BrushStyle::Clear;
  const Extended span = t1 - t0;
  const Extended fullTurn = 2 * std::numbers::pi_v<Extended>;
  const bool whole = span >= fullTurn || (start == end && span >= std::numbers::pi_v<Extended>);
  if (start == end && !whole) {
    // A short arc that falls on one pixel is that pixel, not a whole circle.
    target->MoveTo(start.x, start.y);
    target->LineTo(start.x, start.y + 1);
    return;
  }
  // Dashed, the outline is built as a path and stroked in dashes along its length.
  if (dashed) target->BeginPath();
  if (whole)
    target->Ellipse(left, top, right, bottom);
  else
    target->Arc(left, top, right, bottom, start.x, start.y, end.x, end.y);
  if (dashed) DashOpenPath(*target, DashPattern(target->pen.width));
}
