#include "animate/TangentPicture.h"

#include <algorithm>

#include "formula/DocumentState.h"
#include "platform/Runtime.h"
#include "platform/Sjis.h"
#include "render/DrawToolkit.h"
#include "render/EntryDrawers.h"
#include "render/ExplicitCurves.h"
#include "render/PointEntries.h"
#include "render/RedrawPipeline.h"
#include "render/RenderState.h"

namespace {

// The graph of f' is drawn in the rate colour lightened by this step.
constexpr int kDerivativeLightening = 2;
// The slope point: a filled marker of this radius.
constexpr int kSlopePointRadius = kTangentPenWidth + 2;
// "P" above the point, on the side the tangent does not run to.
constexpr uint8_t kNameUpperLeft = 1, kNameUpperRight = 4;

int Scaled(Extended v) { return static_cast<int>(rtl::Round(v * settings.OutputScale)); }

// Entry 1 at the animation's pen width; the table keeps the entry's own.
void DrawEntryOne(gfx::Canvas& back) {
  if (doc.EntryCount < 1) return;
  Tfuncprop& entry = doc.FigureTable[1];
  const uint8_t own = entry.penWidth;
  entry.penWidth = kTangentPenWidth;
  DrawEquationRecord(back, 1);
  entry.penWidth = own;
}

void DrawDerivativeGraph(gfx::Canvas& back, Tfrec* f, Tfrec* df) {
  if (!f || !df) return;
  const gfx::Color colour = LightenColor(static_cast<gfx::Color>(doc.TangentRateColor), kDerivativeLightening);
  back.pen.color = OutputColor(colour);
  back.pen.width = ScaleToOutput(kTangentPenWidth);
  back.pen.style = gfx::PenStyle::Solid;
  // The plotter may rewrite the tree it draws; the animation keeps its own.
  TreePtr curve = CloneTree(df, 3);
  const TVariableValues saved = doc.VariableValues;
  PlotFunctionCurve(back, InPlace(curve), f, 0, doc.ViewRange.XMin, doc.ViewRange.XMax, SolutionMarks{colour}, false,
                    1);
  doc.VariableValues = saved;
}

}  // namespace

void DrawTangentBackground(Tfrec* f, Tfrec* df) {
  DrawBackgroundPicture();
  gfx::Canvas& back = BackCanvas();
  DrawEntryOne(back);
  if (settings.TangentAfterImage) DrawDerivativeGraph(back, f, df);
  CopyGraphBitmap(back, CompositeCanvas(), gfx::CopyMode::Copy);
}

void DrawTangentAt(gfx::Canvas& canvas, Extended x, Extended y, std::optional<Extended> slope) {
  canvas.pen.width = kTangentPenWidth;
  const gfx::Color line = static_cast<gfx::Color>(doc.TangentLineColor);
  if (slope) {
    DrawPointMarker(canvas, kSlopePointRadius, 1, static_cast<gfx::Color>(doc.TangentRateColor), x, *slope);
    DrawLineThroughPoint(canvas, line, static_cast<uint8_t>(ScaleToOutput(kTangentPenWidth)), x, y, *slope);
  }
  DrawPointName(canvas, !slope || *slope >= 0 ? kNameUpperLeft : kNameUpperRight, line, settings.OutputScale, "P", x,
                y);
}

void DrawTangentValueBox(gfx::Canvas& canvas, const std::string& xText, const std::string& yText,
                         const std::string& slopeText) {
  SetValueBoxStyle(canvas);
  const std::string position = "P( " + xText + " , " + yText + " )";
  const std::string slope = sj("変化率＝") + slopeText;
  const int fontHeight = canvas.TextHeight(position);
  const int width = std::max(canvas.TextWidth(position), canvas.TextWidth(slope)) + Scaled(20);
  const int corner = Scaled(5);
  canvas.RoundRect(corner, corner, corner + width, corner + static_cast<int>(rtl::Round(3.2L * fontHeight)), corner,
                   corner);
  canvas.brush.style = gfx::BrushStyle::Clear;
  const int left = Scaled(10), top = Scaled(10);
  canvas.font.color = OutputColor(0xFF0000);
  canvas.TextOut(left, top, position);
  canvas.font.color = OutputColor(static_cast<gfx::Color>(doc.TangentRateColor));
  canvas.TextOut(left, top + static_cast<int>(rtl::Round(1.5L * fontHeight)), slope);
}
