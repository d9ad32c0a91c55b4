#include "render/Axes.h"

#include <algorithm>
#include <cmath>

#include "formula/DocumentState.h"
#include "render/AxesShared.h"
#include "render/DrawToolkit.h"

namespace {

// A view that can be mapped: finite bounds in order and a drawing area with pixels of
// some size. Anything else (a broken file) draws no axes at all.
bool ViewUsable() {
  const TViewRange& v = doc.ViewRange;
  for (Extended b : {v.XMin, v.XMax, v.YMin, v.YMax})
    if (!std::isfinite(b)) return false;
  return v.XMin < v.XMax && v.YMin < v.YMax && doc.GraphWidth > 0 && doc.GraphHeight > 0 &&
         doc.PixelSizeX > 0 && doc.PixelSizeY > 0 && std::isfinite(doc.PixelSizeX) &&
         std::isfinite(doc.PixelSizeY);
}

}  // namespace

void DrawAxes(gfx::Canvas& canvas, int pass) {
  if (doc.Dimension == 3) return;
  eng.EvalOK = 1;
  UpdatePixelSize(1);
  canvas.font.charset = 1;
  // The print job keeps its own text scale for the whole printed picture.
  if (!settings.Printing) settings.PrintScale = 1;
  ApplyLfont(doc.GraphFont, canvas.font, 1, settings.OutputScale);
  canvas.pen.mode = gfx::PenMode::Copy;
  if (!ViewUsable()) return;
  switch (doc.CoordinateSystem) {
    case 0:
      DrawCartesianAxes(canvas, pass);
      break;
    case 1:
      DrawPolarAxes(canvas, pass);
      break;
    case 2:
    case 3:
    case 4:
      DrawLogAxes(canvas, pass);
      break;
    default:
      break;
  }
}

namespace axes {

int GridPenWidth() { return std::min<int>(std::max<int>(doc.GridSettings.thickness, doc.LineWidthSetting), 2); }

void SetGridPen(gfx::Canvas& canvas) {
  canvas.pen.color = OutputColor(static_cast<gfx::Color>(doc.GridSettings.color) & 0xFFFFFF);
  canvas.pen.width = GridPenWidth();
  canvas.pen.style = gfx::PenStyle::Solid;
  canvas.font.color = gfx::kBlack;
  canvas.brush.color = gfx::kWhite;
  canvas.brush.style = gfx::BrushStyle::Solid;
}

void GridLine(gfx::Canvas& canvas, Extended x1, Extended y1, Extended x2, Extended y2) {
  DrawWorldSegment(canvas, doc.GridSettings.dashed, DashPattern(GridPenWidth()), x1, y1, x2, y2);
}

void GridLines(gfx::Canvas& canvas, bool vertical, Extended spacing, bool dense) {
  const TViewRange& v = doc.ViewRange;
  const Extended lo = vertical ? v.XMin : v.YMin, hi = vertical ? v.XMax : v.YMax;
  const TTickRange r = TickRange(lo, hi, spacing);
  if (!r.usable) return;
  auto line = [&](Extended at) {
    if (!(lo < at && at < hi)) return;
    if (vertical)
      GridLine(canvas, at, v.YMin, at, v.YMax);
    else
      GridLine(canvas, v.XMin, at, v.XMax, at);
  };
  const Extended half = vertical ? 0.5L : -0.5L;
  for (int64_t k = r.first; k <= r.last + 1; ++k) {
    line(k * spacing);
    if (dense) line((k + half) * spacing);
  }
}

void AxisLine(gfx::Canvas& canvas, Extended x1, Extended y1, Extended x2, Extended y2) {
  const std::span<const double> pattern = DashPattern(canvas.pen.width);
  if (settings.AxisWidthMode >= 2) {
    DrawWorldSegment(canvas, 0, pattern, x1, y1, x2, y2);
    return;
  }
  DrawArrow(NumberTextWidth(canvas, "A"), 1, canvas, settings.AxisWidthMode, pattern, 0, x1, y1, x2, y2);
}

int NumberTextWidth(gfx::Canvas& canvas, std::string_view text) {
  return DrawMixedText(0, 0, text, doc.GraphFontCustom, 1, 1, canvas);
}

void WriteAxisText(gfx::Canvas& canvas, int x, int y, std::string_view text) {
  DrawMixedText(x, y, text, doc.GraphFontCustom, 1, 0, canvas);
}

}  // namespace axes
