#include "animate/IntervalDrawing.h"

#include <algorithm>

#include "formula/DocumentState.h"
#include "formula/EvalHelpers.h"
#include "formula/Parser.h"
#include "formula/Records.h"
#include "platform/Runtime.h"
#include "platform/Sjis.h"
#include "render/DrawToolkit.h"
#include "render/NumberLabels.h"
#include "render/Regions.h"
#include "render/RenderState.h"

namespace {

// Marks of the maxima and the minima; their guide lines take the other colour.
constexpr gfx::Color kMaximumColour = 0x8000FF;
constexpr gfx::Color kMinimumColour = 0xFF0080;
constexpr gfx::Color kBoxLineColours[5] = {0xFF0000, 0xFF0000, 0x000080, 0xFF0000, 0x000080};

int ScaledRound(Extended v) { return static_cast<int>(rtl::Round(v)); }

// A bound typed as a number loses its trailing zeros; a formula stays as typed.
std::string BoundText(const std::string& text) {
  Extended v = 0;
  return rtl::TryStrToFloat(text, v) ? TrimTrailingZeros(text) : text;
}

std::string ExtremumValueText(const std::vector<IntervalPoint>& points) {
  return points.empty() ? std::string() : TrimTrailingZeros(rtl::FormatFloat("0.0000", points.front().y));
}

// At most two places, then "…" when there are more.
std::string ExtremumPlaces(const std::vector<IntervalPoint>& points) {
  std::string text;
  for (size_t i = 0; i < points.size() && i < 2; ++i) {
    if (i > 0) text += " , ";
    text += TrimTrailingZeros(rtl::FormatFloat("0.000", points[i].x));
  }
  if (points.size() > 2) text += sj("…");
  return text;
}

std::vector<IntervalPoint> TakePoints(TCurvePoint*& list) {
  std::vector<IntervalPoint> points;
  for (const TCurvePoint* p = list; p; p = p->next) points.push_back({p->x, p->y});
  DisposeCurvePoints(list);
  return points;
}

void DrawValueBox(gfx::Canvas& picture, const std::array<std::string, 5>& lines) {
  gfx::Canvas& box = DrawingToMetafile() ? *settings.MetafileCanvas : picture;
  SetValueBoxStyle(box);
  box.pen.width = ScaleToOutput(2);
  const Extended s = settings.OutputScale;
  const Extended h = box.TextHeight(lines[0]);
  int widest = 0;
  for (const std::string& line : lines) widest = std::max(widest, box.TextWidth(line));
  const int corner = ScaledRound(5 * s);
  box.RoundRect(corner, corner, widest + ScaledRound(20 * s), ScaledRound(7.4L * h), corner, corner);
  const int gaps[5] = {ScaledRound(10 * s), ScaledRound(1.5L * h), ScaledRound(1.2L * h), ScaledRound(1.5L * h),
                       ScaledRound(1.2L * h)};
  int y = 0;
  for (int i = 0; i < 5; ++i) {
    y += gaps[i];
    box.font.color = kBoxLineColours[i];
    ApplyOutputModeToCanvas(box);
    box.TextOut(ScaledRound(10 * s), y, lines[i]);
  }
}

void DrawExtrema(gfx::Canvas& picture, Extended lower, Extended upper) {
  const IntervalExtrema extrema = FindIntervalExtrema(lower, upper);
  if (!extrema.found) return;
  const Tfuncprop& f = doc.FigureTable[1];
  for (const IntervalPoint& p : extrema.maxima) DrawPointMarker(picture, f.penWidth + 2, 1, kMaximumColour, p.x, p.y);
  for (const IntervalPoint& p : extrema.minima) DrawPointMarker(picture, f.penWidth + 2, 1, kMinimumColour, p.x, p.y);
  if (settings.IntervalDrawFlag) {
    // From the y axis across the interval, at the height of the last point found.
    const Extended from = std::min<Extended>(lower, 0), to = std::max<Extended>(upper, 0);
    picture.pen = gfx::Pen{};
    picture.pen.width = ScaleToOutput(f.penWidth);
    if (!extrema.maxima.empty()) {
      picture.pen.color = OutputColor(kMinimumColour);
      DrawWorldSegment(picture, 0, {}, from, extrema.maxima.back().y, to, extrema.maxima.back().y);
    }
    if (!extrema.minima.empty()) {
      picture.pen.color = OutputColor(kMaximumColour);
      DrawWorldSegment(picture, 0, {}, from, extrema.minima.back().y, to, extrema.minima.back().y);
    }
  }
  if (doc.IntervalTextShown)
    DrawValueBox(picture, IntervalValueBoxLines(doc.IntervalLowerText, doc.IntervalUpperText, extrema));
}

}  // namespace

bool HasExplicitFunction() { return doc.EntryCount >= 1 && doc.FigureTable[1].kind == kKindExplicit; }

IntervalExtrema FindIntervalExtrema(Extended lower, Extended upper) {
  IntervalExtrema result;
  if (!HasExplicitFunction()) return result;
  const TreePtr tree = ParseExpression(doc.FigureTable[1].texts[0], 3);
  if (!tree) return result;
  const TVariableValues saved = doc.VariableValues;
  TCurvePoint* maxima = nullptr;
  TCurvePoint* minima = nullptr;
  eng.EvalOK = 1;
  FindExtremumOnInterval(tree.get(), maxima, minima, lower, upper, doc.PixelSizeX);
  result.found = eng.EvalOK != 0;
  result.maxima = TakePoints(maxima);
  result.minima = TakePoints(minima);
  doc.VariableValues = saved;
  return result;
}

std::array<std::string, 5> IntervalValueBoxLines(const std::string& lowerText, const std::string& upperText,
                                                 const IntervalExtrema& extrema) {
  const std::string& x = doc.XAxisName;
  return {sj("区間: ") + BoundText(lowerText) + sj("≦") + x + sj("≦") + BoundText(upperText),
          sj("最大値 ") + ExtremumValueText(extrema.maxima),
          "(" + x + " =" + ExtremumPlaces(extrema.maxima) + ")",
          sj("最小値 ") + ExtremumValueText(extrema.minima),
          "(" + x + " =" + ExtremumPlaces(extrema.minima) + ")"};
}

void DrawIntervalPicture(gfx::Canvas& picture, Extended lower, Extended upper) {
  const bool onPaper = DrawingToMetafile();
  const int height = doc.GraphHeight;
  ClearGraphBitmap(picture);
  const gfx::Color colour = OutputColor(static_cast<gfx::Color>(doc.IntervalColor));
  picture.pen = gfx::Pen{};
  picture.pen.color = colour;
  picture.pen.width = ScaleToOutput(1);
  picture.brush = gfx::Brush{LightenColor(colour, 4), gfx::BrushStyle::Solid};
  const int left = WorldToScreenX(lower), right = WorldToScreenX(upper);
  if (doc.IntervalStyle == 2) {
    picture.pen.width += std::max(1, ScaledRound(settings.OutputScale));
    DrawPixelLine(left, -2, left, height + 2, picture);
    DrawPixelLine(right, -2, right, height + 2, picture);
  } else if (!onPaper) {
    picture.brush.style = gfx::BrushStyle::DiagCross;
    picture.Rectangle(left, -2, right, height + 2);
  }
  CopyGraphBitmap(CompositeCanvas(), picture, gfx::CopyMode::And);
  if (modes.IntervalMaxMinShown && HasExplicitFunction()) DrawExtrema(picture, lower, upper);
}

void DrawIntervalRegion(gfx::Canvas& canvas) {
  if (doc.IntervalStyle != 1) return;
  const TreePtr tree = ParseExpression("(" + doc.IntervalLowerText + "<=x<=" + doc.IntervalUpperText + ")", 3);
  if (!tree) return;
  const gfx::Color colour = OutputColor(static_cast<gfx::Color>(doc.IntervalColor));
  DrawRegion(tree.get(), canvas, colour, 0, true, 3, ScaleToOutput(1), colour);
}
