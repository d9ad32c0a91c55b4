#include "animate/MeanRatePicture.h"

#include <algorithm>
#include <cstdlib>

#include "animate/CalculusDrawing.h"
#include "formula/DocumentState.h"
#include "platform/Sjis.h"
#include "render/Axes.h"
#include "render/DrawToolkit.h"
#include "render/MarkupDraw.h"
#include "render/MathLabel.h"
#include "render/RenderState.h"

namespace {

constexpr gfx::Color kValueTextColour = 0xFF0000;
// The run from A and the rise to B.
constexpr gfx::Color kRunColour = 0xC0C0C0;
constexpr gfx::Color kRiseColour = 0xFFFF00;
constexpr const char* kQuotientMarkup = "\\frac{ y_b - y_a}{ x_b - x_a}";

void Guide(gfx::Canvas& canvas, gfx::Color colour, Extended x1, Extended y1, Extended x2, Extended y2) {
  canvas.pen.color = OutputColor(colour);
  canvas.pen.width = ScaleToOutput(2);
  DrawWorldSegment(canvas, 0, {}, x1, y1, x2, y2);
}

}  // namespace

bool PaintMeanRatePicture(gfx::Canvas& canvas, EntryFunction& f, Extended xa, Extended xb, gfx::Color secantColour,
                          Extended& fa, Extended& fb) {
  CopyGraphBitmap(BackCanvas(), canvas, gfx::CopyMode::Copy);
  DrawAxes(canvas, 2);
  if (!f.At(xa, fa) || !f.At(xb, fb)) return false;
  const int penWidth = doc.EntryCount >= 1 ? doc.FigureTable[1].penWidth : 2;
  Guide(canvas, kRunColour, xa, fa, xb, fa);
  Guide(canvas, kRiseColour, xb, fa, xb, fb);
  canvas.pen.width = ScaleToOutput(penWidth);
  DrawStyledSegment(canvas, OutputColor(secantColour), 1, 0, {}, xa, fa, xb, fb);
  DrawNamedPoint(canvas, xa, fa, KindDefaultColor(1, gfx::kBlack), penWidth + 2, "A");
  DrawNamedPoint(canvas, xb, fb, KindDefaultColor(2, gfx::kBlack), penWidth + 2, "B");
  canvas.pen.width = penWidth;
  return true;
}

void DrawMeanRateValueBox(gfx::Canvas& canvas, const std::string& slope) {
  SetValueBoxStyle(canvas);
  canvas.font.color = OutputColor(kValueTextColour);
  const std::string first = sj("平均変化率＝ ") + slope;
  const std::string equals = sj("= ") + slope;
  // First pass: the widths.
  int fontHeight = 0;
  const int quotientWidth = MeasureMathLabel(canvas, kQuotientMarkup, fontHeight, 0, 0);
  const int widest = std::max(canvas.TextWidth(first), quotientWidth + canvas.TextWidth(equals));
  const int lineHeight = canvas.TextHeight(first);
  DrawValueBoxFrame(canvas, widest + Scaled(20), 5 * lineHeight);
  // Second pass: the texts, the fraction set by the label typesetter.
  canvas.font.color = OutputColor(kValueTextColour);
  canvas.pen.color = canvas.font.color;
  const int left = Scaled(10), top = Scaled(10);
  canvas.TextOut(left, top, first);
  const gfx::Brush box = canvas.brush;
  canvas.brush.style = gfx::BrushStyle::Clear;
  int x = left;
  const int fractionTop = top + lineHeight * 3 / 2;
  MarkupTree tree =
      LayoutMathLabel(canvas, x, fractionTop + lineHeight, 0, 0, kQuotientMarkup, fontHeight, fractionTop);
  DrawLabelTree(canvas, tree.get(), 0, 0);
  canvas.TextOut(x, fractionTop + lineHeight * 3 / 4, equals);
  canvas.brush = box;
}
