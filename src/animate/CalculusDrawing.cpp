#include "animate/CalculusDrawing.h"

#include <algorithm>
#include <cmath>

#include "formula/DocumentState.h"
#include "formula/Parser.h"
#include "formula/TreeKernel.h"
#include "platform/Runtime.h"
#include "render/DrawToolkit.h"
#include "render/RedrawHost.h"
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

namespace {

constexpr int kHatchPeriod = 8;

}  // namespace

StripHatch::StripHatch(gfx::Canvas& canvas, int left, int right)
    : canvas_(canvas), left_(std::max(left, 0)), right_(std::min(right, canvas.Width() - 1)) {
  if (left_ > right_) return;
  const int h = canvas.Height();
  // One fence column on either side of the strip.
  origin_ = (left_ - 1) - (((left_ - 1) % kHatchPeriod) + kHatchPeriod) % kHatchPeriod;
  const int width = right_ + 2 - origin_;
  copy_ = std::make_unique<gfx::RasterCanvas>(width, h);
  copy_->CopyRect({0, 0, width, h}, canvas, {origin_, 0, origin_ + width, h}, gfx::CopyMode::Copy);
  copy_->pen = {gfx::kBlack, 1};
  for (int fence : {left_ - 1 - origin_, right_ + 1 - origin_}) {
    copy_->MoveTo(fence, 0);
    copy_->LineTo(fence, h);
  }
}

StripHatch::~StripHatch() {
  if (!copy_) return;
  const int h = canvas_.Height();
  canvas_.CopyRect({left_, 0, right_ + 1, h}, *copy_, {left_ - origin_, 0, right_ + 1 - origin_, h},
                   gfx::CopyMode::Copy);
}

void StripHatch::Around(int px, int py, gfx::Color colour) {
  if (!copy_ || px < left_ || px > right_) return;
  const int x = px - origin_;
  if (copy_->Pixel(x, py) != gfx::kWhite) return;
  copy_->brush = {colour, gfx::BrushStyle::DiagCross};
  copy_->FloodFill(x, py, gfx::kWhite, gfx::FloodMode::Surface);
}

void FillRelation(gfx::Canvas& canvas, const char* relation,
                  std::initializer_list<std::pair<int32_t, const Tfrec*>> substitutes, gfx::Color colour) {
  TreePtr tree = ParseExpression(relation, 2);
  if (!tree) return;
  for (const auto& [code, subtree] : substitutes) SubstituteCodeBySubtree(InPlace(tree), subtree, code);
  DrawRegion(tree.get(), canvas, colour, 0, false, 3, ScaleToOutput(1), colour);
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
  if (!DrawingToMetafile()) PipelineHost().CopyBufferToGraph(gfx::CopyMode::Copy);
}

void SaveGraphFrame() {
  if (!DrawingToMetafile()) PipelineHost().SaveContinuousFrame();
}
