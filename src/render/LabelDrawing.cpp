#include "render/LabelDrawing.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "formula/DocumentState.h"
#include "formula/Evaluator.h"
#include "platform/Runtime.h"
#include "render/DrawToolkitMapping.h"
#include "render/DrawToolkitOutput.h"
#include "render/MarkupDraw.h"
#include "render/MarkupLayout.h"
#include "render/MathLabel.h"
#include "render/RedrawHost.h"
#include "render/RedrawPipeline.h"
#include "render/RenderState.h"

TLabelSelection labelSelection;

namespace {

int RoundToInt(Extended v) { return static_cast<int>(rtl::Round(v)); }

bool Value(const std::string& text, Extended& v) {
  eng.EvalDrawable = 1;
  v = EvaluateTextWithFigureFormulas(text, 0, 0, 0);
  return eng.EvalDrawable && std::isfinite(v);
}

// The pixel of the label's point in graph coordinates added to its offsets; false when
// the point cannot be computed (the label is then not drawn).
bool AddGraphPosition(const Tlabelrec& label, int& left, int& top) {
  TSpacePoint p;
  if (!Value(label.xText, p.x) || !Value(label.yText, p.y)) return false;
  Extended x = p.x, y = p.y;
  if (doc.Dimension == 3) {
    if (!Value(label.zText, p.z)) return false;
    if (!ProjectRecordPoint(p, x, y)) return false;
  }
  left += WorldToScreenX(x);
  top += WorldToScreenY(y);
  return true;
}

// Frame or box behind the text, by the background style.
void DrawBackground(gfx::Canvas& canvas, const Tlabelrec& label, const gfx::Rect& box, int g) {
  canvas.pen.width = g;
  if (label.transparent) {
    canvas.brush.style = gfx::BrushStyle::Clear;
    if (label.backStyle == 1)
      canvas.Rectangle(box.left - 2 * g, box.top - 2 * g, box.right + 2 * g, box.bottom + 2 * g);
    return;
  }
  canvas.brush.style = gfx::BrushStyle::Solid;
  if (label.backStyle == 1 || label.backStyle == 2) {
    canvas.Rectangle(box.left - 2 * g, box.top - 2 * g, box.right + 2 * g, box.bottom + 2 * g);
  } else {
    canvas.pen.color = canvas.brush.color;
    canvas.Rectangle(box.left - g, box.top - g, box.right + g, box.bottom + g);
  }
}

}  // namespace

void DrawAllLabels(gfx::Canvas& canvas, float scale) {
  if (doc.LabelCount <= 0 || modes.CalculusActive) return;
  PrepareRedraw();
  gfx::Canvas& target = DrawingToMetafile() ? *settings.MetafileCanvas : canvas;
  if (!modes.LabelsShown) return;
  const gfx::Pen pen = target.pen;
  const gfx::Brush brush = target.brush;
  const gfx::Font font = target.font;
  for (int n = 1; n <= std::min(doc.LabelCount, kMaxLabels); ++n) DrawLabel(target, n, scale);
  target.pen = pen;
  target.brush = brush;
  target.font = font;
}

void DrawLabel(gfx::Canvas& canvas, int n, float scale) {
  const Tlabelrec& label = doc.LabelTable[n];
  if (!label.shown) return;
  ApplyLfont(label.font, canvas.font, 1, scale);
  const bool colour = modes.OutputColorMode == 0;
  const gfx::Color ink = colour ? static_cast<gfx::Color>(label.font.color) : gfx::kBlack;
  canvas.pen.color = ink;
  canvas.font.color = ink;
  canvas.brush.style = label.transparent ? gfx::BrushStyle::Clear : gfx::BrushStyle::Solid;
  canvas.brush.color = colour ? static_cast<gfx::Color>(label.backColor) : gfx::kWhite;

  int left = ScaleForThickness(RoundToInt(static_cast<Extended>(scale) * label.shiftLeft));
  int top = ScaleForThickness(RoundToInt(static_cast<Extended>(scale) * label.shiftTop));
  if (label.coordKind == 1 && !AddGraphPosition(label, left, top)) return;

  const int h = std::abs(canvas.font.height);
  std::vector<MarkupTree> lines;
  lines.reserve(label.lines.size());
  gfx::Rect box{left, top, left, top};
  int lineTop = top;
  for (const std::string& text : label.lines) {
    int x = left, fontHeight = 0;
    MarkupTree tree = LayoutMathLabel(canvas, x, lineTop, 0, 0, text, fontHeight, lineTop);
    // An empty line keeps the height of a line.
    const int lower = tree ? LargestLower(tree.get()) : lineTop + h;
    if (tree) box.right = std::max(box.right, LargestRightField(tree.get()));
    box.bottom = std::max(box.bottom, lower);
    lineTop = RoundToInt(h * 0.2L) + lower;
    lines.push_back(std::move(tree));
  }

  if (n == labelSelection.CurrentLabel) labelSelection.CurrentLabelBox = box;
  DrawBackground(canvas, label, box, std::max(1, RoundToInt(h / 16.0L)));
  canvas.pen.color = ink;
  for (const MarkupTree& tree : lines) DrawLabelTree(canvas, tree.get(), 0, 0);
}

void RedrawGraphWithLabels() {
  PipelineHost().CopyBufferToGraph(gfx::CopyMode::Copy);
  if (doc.IntervalMode) PipelineHost().RefreshInterval();
  if (render.WindowImage) DrawAllLabels(*render.WindowImage, 1);
}
