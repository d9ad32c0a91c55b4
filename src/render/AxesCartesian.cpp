#include <algorithm>
#include <climits>
#include <cstdlib>
#include <string>

#include "formula/DocumentState.h"
#include "platform/Runtime.h"
#include "render/Axes.h"
#include "render/AxesShared.h"
#include "render/DrawToolkit.h"
#include "render/NumberLabels.h"

namespace {

int R(Extended v) { return static_cast<int>(rtl::Round(v)); }

// The axes stand at 0 when 0 is in range, else at the nearer edge.
Extended AxisCrossing(Extended min, Extended max) {
  if (min > 0) return min;
  if (max >= 0) return 0;
  return max;
}

bool Overlaps(const gfx::Rect& a, const gfx::Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

struct Layout {
  TAxisTicks tx, ty;
  TTickRange rx, ry;
  Extended x0 = 0, y0 = 0;
  gfx::Rect origin;  // the box of the origin label "O"
  int fontHeight = 16;
  int penWidth = 1;
};

Layout MakeLayout(gfx::Canvas& canvas) {
  const TViewRange& v = doc.ViewRange;
  Layout l;
  l.tx = XAxisTicks();
  l.ty = YAxisTicks();
  l.rx = TickRange(v.XMin, v.XMax, l.tx.Spacing());
  l.ry = TickRange(v.YMin, v.YMax, l.ty.Spacing());
  l.x0 = AxisCrossing(v.XMin, v.XMax);
  l.y0 = AxisCrossing(v.YMin, v.YMax);
  l.fontHeight = std::abs(canvas.font.height);
  const int w = axes::NumberTextWidth(canvas, "O");
  const int left = WorldToScreenX(0) - R(w * 5 / 3.0L);
  const int top = WorldToScreenY(0) + R(canvas.TextHeight("0") / 3.0L);
  l.origin = gfx::Rect{left, top, left + w, top + canvas.TextHeight("O")};
  return l;
}

void XAxisNumbers(gfx::Canvas& canvas, const Layout& l) {
  if (!doc.XAxisShown || !l.rx.usable) return;
  const int width = doc.GraphWidth, height = doc.GraphHeight;
  const int nameWidth = axes::NumberTextWidth(canvas, doc.XAxisName);
  const int axisY = WorldToScreenY(l.y0);
  const Extended spacing = l.tx.Spacing();
  int previousRight = INT_MIN;
  for (int64_t k = l.rx.first; k <= l.rx.last + 1; ++k) {
    if (k == 0) continue;
    const std::string text = TickLabelText(l.tx, k, true);
    if (text.empty()) continue;
    const int w = axes::NumberTextWidth(canvas, text);
    const int px = WorldToScreenX(k * spacing);
    const int left = doc.AxisNumberPosition != 0 ? px - w / 2 : px - w;
    if (left < 1) continue;
    // Room is kept at the right end for the axis name.
    if (left + w + 1.5L * w >= width - nameWidth) continue;
    if (left < previousRight) continue;
    const int th = canvas.TextHeight(text);
    const int top = axisY > height - 2 * th ? axisY - l.fontHeight - 3 * l.penWidth : axisY + l.fontHeight / 2;
    if (Overlaps(gfx::Rect{left, top, left + w, top + th}, l.origin)) continue;
    DrawAxisNumberText(left, top, text, canvas);
    previousRight = left + w;
  }
}

void YAxisNumbers(gfx::Canvas& canvas, const Layout& l) {
  if (!doc.YAxisShown || !l.ry.usable) return;
  const int height = doc.GraphHeight;
  const int axisX = WorldToScreenX(l.x0);
  const Extended spacing = l.ty.Spacing();
  for (int64_t k = l.ry.first; k <= l.ry.last; ++k) {
    if (k == 0) continue;
    const std::string text = TickLabelText(l.ty, k, false);
    if (text.empty()) continue;
    const int th = canvas.TextHeight(text);
    const int py = WorldToScreenY(k * spacing);
    const int top = doc.AxisNumberPosition == 0 ? py + 4 : py - th / 2;
    if (top < l.fontHeight || top > height - l.fontHeight) continue;
    const int w = axes::NumberTextWidth(canvas, text);
    int left = axisX - axes::NumberTextWidth(canvas, text + "x");
    if (doc.AxisNumberPosition >= 2 || left < 0) left = axisX + 3 * l.penWidth + 6;
    if (Overlaps(gfx::Rect{left, top, left + w, top + th}, l.origin)) continue;
    DrawAxisNumberText(left, top, text, canvas);
  }
}

void OriginLabel(gfx::Canvas& canvas, const Layout& l) {
  const gfx::Rect& o = l.origin;
  if (o.left >= 0 && o.top >= 0 && o.right <= doc.GraphWidth && o.bottom <= doc.GraphHeight)
    axes::WriteAxisText(canvas, o.left, o.top, "O");
}

void SetAxisPen(gfx::Canvas& canvas, int32_t colour) {
  canvas.pen.width = ScaleToOutput(std::max(doc.AxisWidth, doc.LineWidthSetting));
  canvas.pen.color = static_cast<gfx::Color>(colour) & 0xFFFFFF;
}

// The ticks of the x axis (upright, across y0) or of the y axis (across x0), thin and
// ScaleToOutput(4) pixels each side of the axis.
void Ticks(gfx::Canvas& canvas, const Layout& l, bool xAxis) {
  canvas.pen.width = 1;
  const TTickRange& r = xAxis ? l.rx : l.ry;
  if (!doc.AxisTicksShown || !r.usable) return;
  const Extended spacing = (xAxis ? l.tx : l.ty).Spacing();
  const int half = ScaleToOutput(4);
  for (int64_t k = r.first; k <= r.last; ++k) {
    const Extended at = k * spacing;
    if (xAxis)
      DrawWorldLine(canvas, 4, at, l.y0 - half * doc.PixelSizeY, at, l.y0 + half * doc.PixelSizeY);
    else
      DrawWorldLine(canvas, 4, l.x0 - half * doc.PixelSizeX, at, l.x0 + half * doc.PixelSizeX, at);
  }
}

void XAxis(gfx::Canvas& canvas, const Layout& l) {
  if (!doc.XAxisShown) return;
  const TViewRange& v = doc.ViewRange;
  SetAxisPen(canvas, doc.XAxisColor);
  if (v.YMin < 0 && 0 < v.YMax) {
    const int w = axes::NumberTextWidth(canvas, doc.XAxisName);
    const int h = canvas.TextHeight(doc.XAxisName);
    axes::WriteAxisText(canvas, WorldToScreenX(v.XMax) - R(1.2L * w), WorldToScreenY(0) + R(h / 3.0L),
                        doc.XAxisName);
    axes::AxisLine(canvas, v.XMin, 0, v.XMax, 0);
  }
  Ticks(canvas, l, true);
}

void YAxis(gfx::Canvas& canvas, const Layout& l) {
  if (!doc.YAxisShown) return;
  const TViewRange& v = doc.ViewRange;
  SetAxisPen(canvas, doc.YAxisColor);
  if (v.XMin < 0 && 0 < v.XMax) {
    const int w = axes::NumberTextWidth(canvas, doc.YAxisName);
    axes::WriteAxisText(canvas, WorldToScreenX(l.x0) - w - R(std::abs(3 * canvas.font.height / 4.0L)),
                        WorldToScreenY(v.YMax) + 2, doc.YAxisName);
    axes::AxisLine(canvas, 0, v.YMin, 0, v.YMax);
  }
  Ticks(canvas, l, false);
}

}  // namespace

void DrawCartesianAxes(gfx::Canvas& canvas, int pass) {
  axes::SetGridPen(canvas);
  Layout l = MakeLayout(canvas);
  l.penWidth = canvas.pen.width;
  if (pass == 1) {
    if (doc.GridSettings.kind == 0) return;
    const bool dense = doc.GridSettings.kind == 2;
    axes::GridLines(canvas, true, l.tx.Spacing(), dense);
    axes::GridLines(canvas, false, l.ty.Spacing(), dense);
    return;
  }
  canvas.pen.color = DrawingToMetafile() ? gfx::kBlack : 0x202020;
  canvas.pen.style = gfx::PenStyle::Solid;
  canvas.brush.style = gfx::BrushStyle::Clear;
  if (doc.AxisTicksShown) {
    XAxisNumbers(canvas, l);
    YAxisNumbers(canvas, l);
  }
  OriginLabel(canvas, l);
  XAxis(canvas, l);
  YAxis(canvas, l);
}
