#include "render/ExplicitCurves.h"

#include <string>
#include <vector>

#include "formula/Differentiate.h"
#include "formula/DocumentState.h"
#include "formula/EvalHelpers.h"
#include "formula/Parser.h"
#include "formula/TreeOps.h"
#include "formula/TreeText.h"
#include "render/DrawToolkit.h"
#include "render/ExplicitCurveSampler.h"
#include "render/PathUtils.h"
#include "render/RedrawHost.h"

namespace {

bool LogarithmicY() { return doc.CoordinateSystem == 2 || doc.CoordinateSystem == 3; }
// The world x of Cartesian and polar axes is x itself; on a logarithmic x axis it is
// log10 x, where a linear function is no straight line.
bool LinearX() { return doc.CoordinateSystem <= 2; }

// The derivative of the explicit entry that `link` names, with that entry's own tree.
TreePtr DerivativeOfLinkedEntry(const Tfuncprop& entry, TreePtr& source) {
  source = nullptr;
  if (entry.link < 1 || entry.link > doc.EntryCount) return nullptr;
  const Tfuncprop& linked = doc.FigureTable[entry.link];
  if (linked.kind != kKindExplicit) return nullptr;
  source = ParseExpression(linked.texts[0], 3);
  if (!eng.ParseOK || !source) return nullptr;
  return Differentiate(source.get(), node::VarX);
}

// The tree of log10 of the function, parsed from its text.
TreePtr LogarithmOf(const std::string& text) {
  if (text.empty()) return nullptr;
  TreePtr tree = ParseExpression("log10(" + text + ")", 3);
  if (!eng.ParseOK) return nullptr;
  return tree;
}

// y = m x + c drawn whole when f(0) and f(1) are drawable.
bool DrawStraightLine(gfx::Canvas& canvas, Tfrec* tree, std::uint8_t dashed) {
  const Extended c = EvaluateAtX(tree, 0, 0);
  if (!eng.EvalDrawable) return false;
  const Extended m = EvaluateAtX(tree, 0, 1) - c;
  if (!eng.EvalDrawable) return false;
  DrawInfiniteLine(canvas, dashed, m, -1, c);
  return true;
}

}  // namespace

void DrawExplicitFunction(gfx::Canvas& canvas, const Tfuncprop& entry, int derivative, Extended xMin,
                          Extended xMax) {
  canvas.pen.color = OutputColor(static_cast<gfx::Color>(entry.color));
  canvas.pen.width = ScaleToOutput(entry.penWidth);
  eng.ParseOK = 1;
  const SolutionMarks marks{static_cast<gfx::Color>(entry.color), entry.option64, entry.penWidth + 2};
  TreePtr source;
  TreePtr tree;
  if (derivative) {
    tree = DerivativeOfLinkedEntry(entry, source);
    if (tree && LogarithmicY()) tree = LogarithmOf(ExpressionTreeToText(tree.get()));
  } else {
    tree = LogarithmicY() ? LogarithmOf(entry.texts[0]) : ParseExpression(entry.texts[0], 3);
    if (!eng.ParseOK) tree = nullptr;
  }
  if (tree) {
    const bool straight = !LogarithmicY() && LinearX() && PolynomialDegree(tree.get(), kDegreeInX) == 1 &&
                          DrawStraightLine(canvas, tree.get(), entry.dashed);
    if (!straight)
      PlotFunctionCurve(canvas, InPlace(tree), source.get(), entry.dashed, xMin, xMax, marks, false, derivative);
  }
}

void PlotFunctionCurve(gfx::Canvas& canvas, Tfrec*& tree, Tfrec* aux, std::uint8_t dashed, Extended xMin,
                       Extended xMax, const SolutionMarks& marks, bool swapXY, int derivative) {
  if (!tree) return;
  if (tree->code == node::Equal) tree = NewBinaryNode(node::Product, NewNumberNode(3, 1), tree, 3);
  if (doc.CoordinateSystem <= 1 && tree->code == node::Product && tree->right &&
      tree->right->code == node::Equal) {
    // L = R becomes (L - R) = 0.
    Tfrec* equation = tree->right;
    equation->left = NewBinaryNode(node::Difference, equation->left, equation->right, 3);
    equation->right = NewNumberNode(3, 0);
    MarkEquationSolutions(canvas, tree, swapXY, marks, xMin, xMax);
  } else {
    eng.PlotMode = 1;
    TCurveSegment* pieces = nullptr;
    ComputeFunctionCurve(tree, aux, derivative, pieces, xMin, xMax, swapXY);
    DrawCurveSegments(canvas, pieces, dashed);
    eng.PlotMode = 0;
    DisposeCurveSegments(pieces);
  }
  ShowDrawingProgress();
}

void DrawCurveSegments(gfx::Canvas& canvas, TCurveSegment* pieces, std::uint8_t dashed) {
  const std::span<const double> pattern = DashPattern(canvas.pen.width);
  for (TCurveSegment* s = pieces; s; s = s->next) DrawPolyline(canvas, s->points, s->count, pattern, dashed);
}

void DrawPolyline(gfx::Canvas& canvas, TCurvePoint*& points, int32_t& count, std::span<const double> pattern,
                  std::uint8_t dashed) {
  if (points && count >= 2) {
    // The list holds the newest point first: the pixels are laid out from the back.
    std::vector<gfx::Point> pixels(static_cast<size_t>(count));
    size_t n = pixels.size();
    for (const TCurvePoint* p = points; p && n > 0; p = p->next)
      pixels[--n] = gfx::Point{WorldToScreenX(p->x), WorldToScreenY(p->y)};
    pixels.erase(pixels.begin(), pixels.begin() + static_cast<std::ptrdiff_t>(n));
    StrokePolyline(canvas, pixels, pattern, dashed);
  }
  DisposeCurvePoints(points);
  count = 0;
  eng.LineContinues = 0;
}

void StrokePolyline(gfx::Canvas& canvas, std::span<const gfx::Point> pixels, std::span<const double> pattern,
                    std::uint8_t dashed) {
  if (pixels.size() < 2) return;
  gfx::Canvas& target = OutputCanvas(canvas, kCopyPen);
  if (dashed)
    DrawPatternedPolyline(pixels, static_cast<int>(pixels.size()) - 1, target, 1, pattern, target.pen.width,
                          target.pen.color);
  else
    target.Polyline(pixels);
}
