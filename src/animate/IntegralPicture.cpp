#include "animate/IntegralPicture.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "animate/CalculusDrawing.h"
#include "animate/RiemannSums.h"
#include "formula/DocumentState.h"
#include "platform/Runtime.h"
#include "platform/Sjis.h"
#include "render/Axes.h"
#include "render/DrawToolkit.h"
#include "render/EntryDrawers.h"
#include "render/RenderState.h"

namespace {

constexpr gfx::Color kValueTextColour = 0xFF0000;
constexpr gfx::Color kMeanTextColour = 0x000000;
constexpr gfx::Color kMinimumTextColour = 0x0000FF;
constexpr gfx::Color kTheoremBoundColour = 0x808080;
// Seeds of the hatch: at a + i t for i = 1 .. 28 of the 30 pieces.
constexpr int kShadingSeeds = 28;

void WorldLine(gfx::Canvas& canvas, gfx::Color colour, Extended x1, Extended y1, Extended x2, Extended y2) {
  canvas.pen.color = OutputColor(colour);
  eng.LineContinues = 0;
  DrawWorldLine(canvas, 2, x1, y1, x2, y2);
}

void ShadeArea(gfx::Canvas& canvas, EntryFunction& f, Extended a, Extended b) {
  if (DrawingToMetafile()) {
    const TreePtr lower(NewNumberNode(2, a));
    const TreePtr upper(NewNumberNode(2, b));
    const Tfrec* curve = f.Tree();
    FillRelation(canvas, "(x>a)(x<b)(y>0)(y<c)",
                 {{node::VarA, lower.get()}, {node::VariableCode('b'), upper.get()}, {node::VariableCode('c'), curve}},
                 OutputColor(SignColour(1)));
    FillRelation(canvas, "(x>a)(x<b)(y<0)(y>c)",
                 {{node::VarA, lower.get()}, {node::VariableCode('b'), upper.get()}, {node::VariableCode('c'), curve}},
                 OutputColor(SignColour(-1)));
    return;
  }
  // The fills stay between the bound lines even where the curve leaves the view.
  StripHatch hatch(canvas, WorldToScreenX(a), WorldToScreenX(b));
  for (int i = 1; i <= kShadingSeeds; ++i) {
    const Extended x = PieceEnd(a, b, i, kIntegralPieces);
    Extended y;
    if (!f.At(x, y)) continue;
    const int seedRow = RowTowardsAxis(y);
    if (seedRow == WorldToScreenY(y)) continue;
    hatch.Around(WorldToScreenX(x), seedRow, OutputColor(SignColour(y > 0 ? 1 : -1)));
  }
}

void DrawTheoremLines(gfx::Canvas& canvas, Extended a, Extended b, const IntegralValues& v) {
  const Extended left = std::min(a, Extended{0}), right = std::max(b, Extended{0});
  const std::pair<Extended, int> levels[] = {{v.maximum, 3}, {v.minimum, 5}, {v.mean, 6}};
  canvas.pen.width = ScaleToOutput(1);
  for (const auto& [y, kind] : levels) {
    canvas.pen.color = OutputColor(KindDefaultColor(static_cast<uint8_t>(kind), gfx::kBlack));
    DrawWorldSegment(canvas, 0, {}, left, y, right, y);
  }
  WorldLine(canvas, kTheoremBoundColour, a, v.minimum, a, v.maximum);
  WorldLine(canvas, kTheoremBoundColour, b, v.minimum, b, v.maximum);
}

}  // namespace

bool PaintIntegralPicture(gfx::Canvas& canvas, EntryFunction& f, Extended a, Extended b, bool theorem,
                          IntegralValues& values) {
  ClearGraphBitmap(canvas);
  canvas.pen.width = ScaleToOutput(1);
  const bool defined = ComputeIntegral(f, a, b, doc.PixelSizeX, values);
  // Undefined at a bound, the graph shows only itself; with a pole between, the bounds
  // still frame the question, but there is no area to shade.
  Extended fa, fb;
  if (f.At(a, fa) && f.At(b, fb)) {
    DrawBoundLine(canvas, a, fa);
    DrawBoundLine(canvas, b, fb);
    WorldLine(canvas, gfx::kBlack, a, 0, b, 0);
  }
  DrawEquationRecord(canvas, 1);
  if (defined) {
    ShadeArea(canvas, f, a, b);
    if (theorem) DrawTheoremLines(canvas, a, b, values);
  }
  CopyGraphBitmap(BackCanvas(), canvas, gfx::CopyMode::And);
  DrawAxes(canvas, 2);
  return defined;
}

void DrawIntegralValueBox(gfx::Canvas& canvas, const IntegralTexts& texts, bool theorem) {
  SetValueBoxStyle(canvas);
  struct Line {
    std::string text;
    gfx::Color colour;
  };
  std::vector<Line> lines{{sj("積分値S=") + texts.S + " ", kValueTextColour}};
  if (theorem) {
    lines.push_back({sj("h=b-a=") + texts.h, kValueTextColour});
    lines.push_back({sj("f(x)の最大値=") + texts.maximum, kValueTextColour});
    lines.push_back({sj("平均値 S/h=") + texts.mean, kMeanTextColour});
    lines.push_back({sj("f(x)の最小値=") + texts.minimum, kMinimumTextColour});
  }
  int widest = 0;
  for (const Line& l : lines) widest = std::max(widest, canvas.TextWidth(l.text));
  const int lineHeight = canvas.TextHeight(lines.front().text);
  DrawValueBoxFrame(canvas, widest + Scaled(20), (theorem ? 8 : 2) * lineHeight);
  const int left = Scaled(10);
  int top = Scaled(10);
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i == 1) canvas.brush.style = gfx::BrushStyle::Clear;
    canvas.font.color = OutputColor(lines[i].colour);
    canvas.TextOut(left, top, lines[i].text);
    top += lineHeight * 3 / 2;
  }
}
