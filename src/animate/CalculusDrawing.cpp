#include "animate/CalculusDrawing.h"

#include <algorithm>
#include <cmath>

#include "formula/DocumentState.h"
#include "formula/Parser.h"
#include "formula/TreeKernel.h"
#include "platform/Runtime.h"
#include "render/DrawToolkit.h"
#include "render/RedrawHooks.h"
#include "render/Regions.h"
#include "render/RenderState.h"

gfx::Color SignColour(Extended value) { return KindDefaultColor(value >= 0 ? 4 : 5, gfx::kBlack); }

void DrawBoundLine(gfx::Canvas& canvas, Extended x, Extended y) {
  canvas.pen.color = OutputColor(SignColour(y));
  canvas.pen.width = ScaleToOutput(1);
  DrawWorldSegment(canvas, 0, {}, x, y, x, 0);
}

int RowTowardsAxis(Extended y) {
  const TViewRange& v = doc.ViewRange;
  const Extended towards = v.YMin > 0 || v.YMax < 0 ? (y > 0 ? v.YMax : v.YMin) : 0;
  return static_cast<int>(rtl::Round((WorldToPixelY(y) + WorldToPixelY(towards)) / 2));
}

void HatchWhiteAround(gfx::Canvas& canvas, int px, int py, gfx::Color colour) {
  if (canvas.Pixel(px, py) != gfx::kWhite) return;
  const gfx::Brush brush = canvas.brush;
  canvas.brush = {colour, gfx::BrushStyle::DiagCross};
  canvas.FloodFill(px, py, gfx::kWhite, gfx::FloodMode::Surface);
  canvas.brush = brush;
}

void FillRelation(gfx::Canvas& canvas, const char* relation,
                  std::initializer_list<std::pair<int32_t, const Tfrec*>> substitutes, gfx::Color colour) {
  Tfrec* tree = ParseExpression(relation, 2);
  if (!tree) return;
  for (const auto& [code, subtree] : substitutes) SubstituteCodeBySubtree(tree, subtree, code);
  DrawRegion(tree, canvas, colour, 0, false, 3, ScaleToOutput(1), colour);
  DisposeTree(tree);
}

void DrawNamedPoint(gfx::Canvas& canvas, Extended x, Extended y, gfx::Color colour, int radius,
                    const std::string& name) {
  DrawPointMarker(canvas, radius, 1, colour, x, y);
  if (!PointInViewMargin(0, x, y)) return;
  gfx::Canvas& out = OutputCanvas(canvas, 0);
  const gfx::Font font = out.font;
  const gfx::Brush brush = out.brush;
  ApplyLfont(doc.PointLabelFont, out.font, 1, settings.OutputScale);
  out.font.color = OutputColor(colour);
  out.brush.style = gfx::BrushStyle::Clear;
  out.TextOut(WorldToScreenX(x) + Scaled(6), WorldToScreenY(y) - Scaled(6) - out.TextHeight(name), name);
  out.font = font;
  out.brush = brush;
}

gfx::Canvas* ValueBoxCanvas() { return DrawingToMetafile() ? settings.MetafileCanvas : render.WindowImage; }

int Scaled(Extended v) { return static_cast<int>(rtl::Round(v * settings.OutputScale)); }

void DrawValueBoxFrame(gfx::Canvas& canvas, int width, int height) {
  SetValueBoxStyle(canvas);
  const int left = Scaled(5), top = Scaled(5), corner = Scaled(10);
  canvas.RoundRect(left, top, left + width, top + height, corner, corner);
}

void RefreshGraphPicture() {
  if (!DrawingToMetafile() && RedrawHooks.copyBufferToGraph) RedrawHooks.copyBufferToGraph(gfx::CopyMode::Copy);
}

void SaveGraphFrame() {
  if (!DrawingToMetafile() && RedrawHooks.saveContinuousFrame) RedrawHooks.saveContinuousFrame();
}
