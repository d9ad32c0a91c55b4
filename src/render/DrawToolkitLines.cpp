#include "render/DrawToolkitLines.h"

#include <cmath>
#include <utility>

#include "formula/DocumentState.h"
#include "render/DrawToolkitColor.h"
#include "render/DrawToolkitMapping.h"
#include "render/DrawToolkitOutput.h"
#include "render/PathUtils.h"

ViewBounds WidenedView() {
  const TViewRange& v = doc.ViewRange;
  return {v.XMin - doc.PixelSizeX, v.XMax + doc.PixelSizeX, v.YMin - doc.PixelSizeY, v.YMax + doc.PixelSizeY};
}

namespace {

// Where the line from (x0, y0) in the direction (dx, dy) leaves the widened view.
void CarryToBorder(Extended x0, Extended y0, Extended dx, Extended dy, Extended& x, Extended& y) {
  const ViewBounds b = WidenedView();
  const Extended xb = dx > 0 ? b.xh : b.xl;
  Extended ny = y0 + dy * (xb - x0) / dx;
  Extended nx = xb;
  if ((ny > b.yh || ny < b.yl) && dy != 0) {
    const Extended yb = ny > b.yh ? b.yh : b.yl;
    nx = x0 + dx * (yb - y0) / dy;
    ny = yb;
  }
  // The crossing lies on the border; rounding must not put it an ulp beyond.
  const Extended ex = doc.PixelSizeX * 1e-6L, ey = doc.PixelSizeY * 1e-6L;
  if (nx > b.xh && nx <= b.xh + ex) nx = b.xh;
  if (nx < b.xl && nx >= b.xl - ex) nx = b.xl;
  if (ny > b.yh && ny <= b.yh + ey) ny = b.yh;
  if (ny < b.yl && ny >= b.yl - ey) ny = b.yl;
  x = nx;
  y = ny;
}

}  // namespace

void DrawPixelLine(int x1, int y1, int x2, int y2, gfx::Canvas& canvas) {
  const gfx::Point pts[] = {{x1, y1}, {x2, y2}};
  if (DrawingToMetafile()) {
    OutputCanvas(canvas, kCopyPen).Polyline(pts);
    return;
  }
  canvas.Polyline(pts);
  if (canvas.pen.mode == gfx::PenMode::Copy) {
    canvas.SetPixel(x2, y2, canvas.pen.color);
  } else if (canvas.pen.width <= 1) {
    // An xor pen must combine the end pixel too, or drawing twice would not erase it.
    const gfx::Point end[] = {{x2, y2}, {x2 + 1, y2}};
    canvas.Polyline(end);
  }
}

void ExtendToViewBorder(Extended& x1, Extended& y1, Extended& x2, Extended& y2, std::uint8_t mode) {
  const Extended dx = x2 - x1, dy = y2 - y1;
  const int h = doc.GraphHeight > 0 ? doc.GraphHeight : 1;
  if (dx == 0 || std::fabs(dx) < doc.PixelSizeX / h) {
    // Vertical: only the y values move, so the tiny x difference is never divided by.
    const ViewBounds b = WidenedView();
    y2 = dy >= 0 ? b.yh : b.yl;
    if (mode == 1) y1 = dy >= 0 ? b.yl : b.yh;
    return;
  }
  const Extended ox = x1, oy = y1;
  CarryToBorder(ox, oy, dx, dy, x2, y2);
  if (mode == 1) CarryToBorder(ox, oy, -dx, -dy, x1, y1);
}

void ClipSegmentToView(Extended& x1, Extended& y1, Extended& x2, Extended& y2, std::uint8_t& visible) {
  visible = 0;
  if (std::isnan(x1) || std::isnan(y1) || std::isnan(x2) || std::isnan(y2)) return;
  const bool in1 = PointInViewMargin(0, x1, y1), in2 = PointInViewMargin(0, x2, y2);
  visible = 1;
  if (in1 && in2) return;
  if (in1) {
    ExtendToViewBorder(x1, y1, x2, y2, 0);
    return;
  }
  if (in2) {
    ExtendToViewBorder(x2, y2, x1, y1, 0);
    return;
  }
  const TViewRange& v = doc.ViewRange;
  if ((x1 < v.XMin && x2 < v.XMin) || (x1 > v.XMax && x2 > v.XMax) || (y1 < v.YMin && y2 < v.YMin) ||
      (y1 > v.YMax && y2 > v.YMax)) {
    visible = 0;
    return;
  }
  ExtendToViewBorder(x1, y1, x2, y2, 1);
  visible = PointInViewMargin(0, x1, y1) && PointInViewMargin(0, x2, y2) ? 1 : 0;
}

void DrawWorldSegment(gfx::Canvas& canvas, std::uint8_t dashed, std::span<const double> pattern, Extended x1,
                      Extended y1, Extended x2, Extended y2) {
  std::uint8_t visible = 0;
  ClipSegmentToView(x1, y1, x2, y2, visible);
  if (!visible) return;
  const int px1 = WorldToScreenX(x1), py1 = WorldToScreenY(y1);
  const int px2 = WorldToScreenX(x2), py2 = WorldToScreenY(y2);
  if (dashed && modes.SnapMode == 1) {
    // While a point is dragged dashed lines are drawn as quick grey dots.
    const gfx::Pen saved = canvas.pen;
    canvas.pen.color = 0x808080;
    canvas.pen.width = 1;
    canvas.pen.style = gfx::PenStyle::Dot;
    DrawPixelLine(px1, py1, px2, py2, canvas);
    canvas.pen = saved;
    return;
  }
  if (!dashed) {
    DrawPixelLine(px1, py1, px2, py2, canvas);
    return;
  }
  gfx::Canvas& target = OutputCanvas(canvas, kCopyPen);
  const gfx::Point pts[] = {{px1, py1}, {px2, py2}};
  DrawPatternedPolyline(pts, 1, target, 1, pattern, target.pen.width, target.pen.color);
}

void DrawStyledSegment(gfx::Canvas& canvas, gfx::Color colour, std::uint8_t clipMode, std::uint8_t dashed,
                       std::span<const double> pattern, Extended x1, Extended y1, Extended x2, Extended y2) {
  canvas.pen.color = colour;
  if (x1 == x2 && y1 == y2) return;
  const ViewBounds b = WidenedView();
  if (y1 == y2) {
    x2 = x1 >= x2 ? b.xl : b.xh;
    if (clipMode == 1) x1 = x2 == b.xl ? b.xh : b.xl;
  } else if (x1 == x2) {
    y2 = y1 >= y2 ? b.yl : b.yh;
    if (clipMode == 1) y1 = y2 == b.yl ? b.yh : b.yl;
  } else {
    ExtendToViewBorder(x1, y1, x2, y2, clipMode == 1 ? 1 : 0);
  }
  DrawWorldSegment(canvas, dashed, pattern, x1, y1, x2, y2);
}

void PlotWorldPoint(gfx::Canvas& canvas, Extended x, Extended y) {
  if (!PointInViewMargin(0, x, y)) return;
  const int px = WorldToScreenX(x), py = WorldToScreenY(y);
  gfx::Canvas& target = OutputCanvas(canvas, kCopyPen);
  target.MoveTo(px, py);
  target.LineTo(px, py + 1);
}

void DrawWorldLine(gfx::Canvas& canvas, std::uint8_t mode, Extended x1, Extended y1, Extended x2, Extended y2) {
  if (mode == 4) eng.LineContinues = 0;
  std::uint8_t visible = 0;
  ClipSegmentToView(x1, y1, x2, y2, visible);
  if (visible) {
    if (eng.LineContinues != 1) {
      DrawPixelLine(WorldToScreenX(x1), WorldToScreenY(y1), WorldToScreenX(x2), WorldToScreenY(y2), canvas);
    } else if (mode == 3) {
      const gfx::Color colour = canvas.pen.color;
      const int width = canvas.pen.width;
      canvas.pen.color = 0xC0C0C0;
      canvas.pen.width = 1;
      DrawPixelLine(WorldToScreenX(x1), WorldToScreenY(y1), WorldToScreenX(x2), WorldToScreenY(y2), canvas);
      canvas.pen.color = colour;
      canvas.pen.width = width;
    } else {
      PlotWorldPoint(canvas, x2, y2);
    }
  }
  eng.LineContinues = 0;
}

void DrawInfiniteLine(gfx::Canvas& canvas, std::uint8_t dashed, Extended a, Extended b, Extended c) {
  eng.LineContinues = 0;
  const std::span<const double> pattern = DashPattern(canvas.pen.width);
  const TViewRange& v = doc.ViewRange;
  if (a == 0 && b == 0) return;
  if (b == 0) {
    const Extended x = -c / a;
    DrawWorldSegment(canvas, dashed, pattern, x, v.YMin, x, v.YMax);
  } else if (a == 0) {
    const Extended y = -c / b;
    DrawWorldSegment(canvas, dashed, pattern, v.XMin, y, v.XMax, y);
  } else {
    DrawWorldSegment(canvas, dashed, pattern, v.XMin, -(a * v.XMin + c) / b, v.XMax, -(a * v.XMax + c) / b);
  }
}

void DrawLineThroughPoint(gfx::Canvas& canvas, gfx::Color colour, std::uint8_t width, Extended x0, Extended y0,
                          Extended slope) {
  canvas.pen.color = OutputColor(colour);
  canvas.pen.width = width;
  DrawInfiniteLine(canvas, 0, slope, -1, y0 - slope * x0);
}
