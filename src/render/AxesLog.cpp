#include <cmath>
#include <string>

#include "formula/DocumentState.h"
#include "platform/Runtime.h"
#include "render/Axes.h"
#include "render/AxesShared.h"
#include "render/DrawToolkit.h"
#include "render/NumberLabels.h"

namespace {

// The lines c + log10 k (k = 1..9) of every decade c inside the view.
void DecadeLines(gfx::Canvas& canvas, bool vertical) {
  const TViewRange& v = doc.ViewRange;
  const Extended lo = vertical ? v.XMin : v.YMin, hi = vertical ? v.XMax : v.YMax;
  const TTickRange r = TickRange(lo, hi, 1);
  if (!r.usable) return;
  for (int64_t c = r.first; c <= r.last; ++c) {
    for (int k = 1; k <= 9; ++k) {
      const Extended at = c + std::log10(static_cast<Extended>(k));
      if (!(lo < at && at < hi)) continue;
      if (vertical)
        axes::GridLine(canvas, at, v.YMin, at, v.YMax);
      else
        axes::GridLine(canvas, v.XMin, at, v.XMax, at);
    }
  }
}

// The width of "10" with the exponent written at three quarters of the height.
int PowerWidth(gfx::Canvas& canvas, const std::string& exponent) {
  return axes::NumberTextWidth(canvas, "10") +
         static_cast<int>(rtl::Round(0.75L * axes::NumberTextWidth(canvas, exponent)));
}

void WritePower(gfx::Canvas& canvas, int x, int top, const std::string& exponent) {
  DrawAxisNumberText(x, top, "10", canvas);
  const int height = canvas.font.height;
  const int after = x + axes::NumberTextWidth(canvas, "10");
  canvas.font.height = static_cast<int>(rtl::Round(0.75L * height));
  DrawAxisNumberText(after, top, exponent, canvas);
  canvas.font.height = height;
}

struct AxisNumbering {
  bool logarithmic;
  Extended spacing;  // 1 on a logarithmic axis
  int index;         // tick index of a linear axis
};

AxisNumbering Numbering(bool logarithmic, const TAxisTicks& ticks) {
  if (logarithmic) return {true, 1, ticks.index};
  return {false, AxisTickStep(ticks.index, 1).step, ticks.index};
}

void XNumbers(gfx::Canvas& canvas, const AxisNumbering& n) {
  const TViewRange& v = doc.ViewRange;
  const TTickRange r = TickRange(v.XMin, v.XMax, n.spacing);
  if (!r.usable) return;
  const int right = WorldToScreenX(v.XMax);
  for (int64_t k = r.first; k <= r.last; ++k) {
    const std::string text = n.logarithmic ? rtl::IntToStr(k) : DecimalTickText(k * n.spacing, n.index);
    const int w = n.logarithmic ? PowerWidth(canvas, text) : axes::NumberTextWidth(canvas, text);
    const int left = WorldToScreenX(k * n.spacing) - w / 2;
    if (!(left > 0 && left < right - w)) continue;
    const int top = WorldToScreenY(v.YMin) - canvas.TextHeight(n.logarithmic ? "10" : text);
    if (n.logarithmic)
      WritePower(canvas, left, top, text);
    else
      DrawAxisNumberText(left, top, text, canvas);
  }
}

void YNumbers(gfx::Canvas& canvas, const AxisNumbering& n) {
  const TViewRange& v = doc.ViewRange;
  const TTickRange r = TickRange(v.YMin, v.YMax, n.spacing);
  if (!r.usable) return;
  const int bottom = WorldToScreenY(v.YMin);
  for (int64_t k = r.first; k <= r.last; ++k) {
    std::string text;
    if (n.logarithmic) {
      text = rtl::IntToStr(k);
    } else {
      text = DecimalTickText(k * n.spacing, n.index);
      if (k >= 0) text = " " + text;
    }
    const int th = canvas.TextHeight(n.logarithmic ? "10" : text);
    const int top = WorldToScreenY(k * n.spacing) - th / 2;
    if (!(top > 2 * th && top < bottom - 2 * th)) continue;
    if (n.logarithmic)
      WritePower(canvas, 0, top, text);
    else
      DrawAxisNumberText(0, top, text, canvas);
  }
}

}  // namespace

void DrawLogAxes(gfx::Canvas& canvas, int pass) {
  const std::uint8_t cs = doc.CoordinateSystem;
  const bool logX = cs == 3 || cs == 4, logY = cs == 2 || cs == 3;
  const AxisNumbering nx = Numbering(logX, XAxisTicks());
  const AxisNumbering ny = Numbering(logY, YAxisTicks());
  axes::SetGridPen(canvas);
  if (pass == 1) {
    if (doc.GridSettings.kind == 0) return;
    const bool dense = doc.GridSettings.kind == 2;
    if (logX)
      DecadeLines(canvas, true);
    else
      axes::GridLines(canvas, true, nx.spacing, dense);
    if (logY)
      DecadeLines(canvas, false);
    else
      axes::GridLines(canvas, false, ny.spacing, dense);
    return;
  }
  canvas.brush.style = gfx::BrushStyle::Clear;
  if (!doc.AxisTicksShown) return;
  if (doc.XAxisShown) XNumbers(canvas, nx);
  if (doc.YAxisShown) YNumbers(canvas, ny);
}
