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

// The label of index k: the exponent after "10", or the decimal text of k steps (with a
// blank before non-negative values where asked); measured as it is written.
struct Label {
  std::string text;
  int width = 0, height = 0;
};

Label MakeLabel(gfx::Canvas& canvas, const AxisNumbering& n, int64_t k, bool blankBeforePositive) {
  Label l;
  if (n.logarithmic) {
    l.text = rtl::IntToStr(k);
    l.width = PowerWidth(canvas, l.text);
    l.height = canvas.TextHeight("10");
    return l;
  }
  l.text = DecimalTickText(k * n.spacing, n.index);
  if (blankBeforePositive && k >= 0) l.text = " " + l.text;
  l.width = axes::NumberTextWidth(canvas, l.text);
  l.height = canvas.TextHeight(l.text);
  return l;
}

void WriteLabel(gfx::Canvas& canvas, const AxisNumbering& n, const Label& l, int left, int top) {
  if (n.logarithmic)
    WritePower(canvas, left, top, l.text);
  else
    DrawAxisNumberText(left, top, l.text, canvas);
}

// Along the bottom edge, centred under their place and kept inside the drawing.
void XNumbers(gfx::Canvas& canvas, const AxisNumbering& n) {
  const TViewRange& v = doc.ViewRange;
  const TTickRange r = TickRange(v.XMin, v.XMax, n.spacing);
  if (!r.usable) return;
  const int right = WorldToScreenX(v.XMax), bottom = WorldToScreenY(v.YMin);
  for (int64_t k = r.first; k <= r.last; ++k) {
    const Label l = MakeLabel(canvas, n, k, false);
    const int left = WorldToScreenX(k * n.spacing) - l.width / 2;
    if (left > 0 && left < right - l.width) WriteLabel(canvas, n, l, left, bottom - l.height);
  }
}

// At the left edge, away from the top and from the row of x numbers.
void YNumbers(gfx::Canvas& canvas, const AxisNumbering& n) {
  const TViewRange& v = doc.ViewRange;
  const TTickRange r = TickRange(v.YMin, v.YMax, n.spacing);
  if (!r.usable) return;
  const int bottom = WorldToScreenY(v.YMin);
  for (int64_t k = r.first; k <= r.last; ++k) {
    const Label l = MakeLabel(canvas, n, k, true);
    const int top = WorldToScreenY(k * n.spacing) - l.height / 2;
    if (top > 2 * l.height && top < bottom - 2 * l.height) WriteLabel(canvas, n, l, 0, top);
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
