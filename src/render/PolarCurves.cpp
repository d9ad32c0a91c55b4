#include "render/PolarCurves.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "formula/DocumentState.h"
#include "formula/EvalHelpers.h"
#include "formula/Parser.h"
#include "formula/TreeOps.h"
#include "platform/Runtime.h"
#include "render/DrawToolkit.h"
#include "render/ParametricCurves.h"
#include "render/RedrawHost.h"

namespace {

// A centre text left empty is the origin.
const std::string& CentreText(const std::string& text) {
  static const std::string zero = "0";
  return text.empty() ? zero : text;
}

// The circle of a constant radius as an arc; false when it is too large for the pixel
// mapping, so that it is sampled instead.
bool DrawConstantRadius(gfx::Canvas& canvas, const Tfuncprop& entry) {
  Extended r = 0, cx = 0, cy = 0, t0 = 0, t1 = 0;
  if (!DrawableValueOfText(entry.texts[0], r) || !DrawableValueOfText(entry.texts[1], cx) ||
      !DrawableValueOfText(entry.texts[2], cy))
    return true;
  const Extended extent = std::fabs(WorldToPixelX(cx + r)) + std::fabs(WorldToPixelY(cy + r)) +
                          std::fabs(WorldToPixelX(cx - r)) + std::fabs(WorldToPixelY(cy - r));
  if (!(extent < 16000)) return false;
  if (!DrawableValueOfText(entry.texts[3], t0) || !DrawableValueOfText(entry.texts[4], t1) || t0 == t1) return true;
  const gfx::Color colour = OutputColor(static_cast<gfx::Color>(entry.color));
  DrawCircleArc(canvas, colour, entry.penWidth, t0, t1, cx, cy, r, entry.dashed);
  if (entry.arrowAtEnd) {
    // At the end angle, along the way the curve runs there.
    const Extended tipX = cx + r * std::cos(t1), tipY = cy + r * std::sin(t1);
    const Extended turn = t1 > t0 ? r : -r;
    const int size = static_cast<int>(rtl::Round(10 * static_cast<Extended>(settings.OutputScale)));
    canvas.pen.color = colour;
    DrawArrowHead(size, 1, canvas, entry.arrowStyle, tipX, tipY, tipX + turn * std::sin(t1), tipY - turn * std::cos(t1));
  }
  return true;
}

void DrawAsParametric(gfx::Canvas& canvas, const Tfuncprop& entry) {
  Tfuncprop curve = entry;
  curve.texts[0] = "(" + entry.texts[0] + ")*cos(t)+" + CentreText(entry.texts[1]);
  curve.texts[1] = "(" + entry.texts[0] + ")*sin(t)+" + CentreText(entry.texts[2]);
  curve.texts[2] = entry.texts[3];
  curve.texts[3] = entry.texts[4];
  DrawParametricCurve(canvas, curve);
}

}  // namespace

void DrawPolarCurve(gfx::Canvas& canvas, const Tfuncprop& entry) {
  if (doc.CoordinateSystem > 1) return;
  eng.ParserCollectMode = 0;
  const TreePtr radius = ParseExpression(entry.texts[0], 2);
  if (eng.ParseOK && radius) {
    const bool constant = PolynomialDegree(radius.get(), kDegreeInT) == 0;
    if (!constant || !DrawConstantRadius(canvas, entry)) DrawAsParametric(canvas, entry);
  }
  eng.ParserCollectMode = 1;
  ShowDrawingProgress();
}
