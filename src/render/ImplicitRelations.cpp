#include "render/ImplicitRelations.h"

#include "formula/DocumentState.h"
#include "formula/EvalHelpers.h"
#include "formula/Simplifier.h"
#include "formula/TreeOps.h"
#include "render/DrawToolkit.h"
#include "render/ImplicitConics.h"
#include "render/ImplicitTracing.h"
#include "render/SolvedBranches.h"

namespace {

// Along the other variable's view range.
constexpr int kAlongX = 1, kAlongY = 2;

// Degree 3 or 4 in the variable, by which coefficients are non-zero over the view.
ImplicitRoad ByCoefficients(Tfrec*& F, SolveFor v, const ImplicitStroke& s) {
  switch (ClassifyByCoefficients(F, v)) {
    case 3: return PlotCubicBranches(F, v, s);
    case 4: return PlotBiquadraticBranches(F, v, s);
    case 14:
      TraceImplicitNumerically(F, s.canvas);
      return ImplicitRoad::Trace;
    case 2: return PlotQuadraticBranches(F, v, s);
    default: return v == SolveFor::Y ? PlotSolvedForY(F, s) : PlotSolvedForX(F, s);
  }
}

// The first row that matches decides; y before x at each degree.
ImplicitRoad SolveByDegrees(Tfrec*& F, const ImplicitStroke& s) {
  const int inX = PolynomialDegree(F, kDegreeInX), inY = PolynomialDegree(F, kDegreeInY);
  if (inY == 1) return PlotSolvedForY(F, s);
  if (inX == 1) return PlotSolvedForX(F, s);
  if (inY == 2)
    return NonZeroInView(ImplicitDerivatives.y[1].get(), kAlongX) ? PlotQuadraticBranches(F, SolveFor::Y, s)
                                                            : PlotSolvedForY(F, s);
  if (inX == 2)
    return NonZeroInView(ImplicitDerivatives.x[1].get(), kAlongY) ? PlotQuadraticBranches(F, SolveFor::X, s)
                                                            : PlotSolvedForX(F, s);
  if (inY == 3) return ByCoefficients(F, SolveFor::Y, s);
  if (inX == 3) return ByCoefficients(F, SolveFor::X, s);
  if (inY == 4) return ByCoefficients(F, SolveFor::Y, s);
  if (inX == 4) return ByCoefficients(F, SolveFor::X, s);
  TraceImplicitNumerically(F, s.canvas);
  return ImplicitRoad::Trace;
}

}  // namespace

void PlotImplicitList(Tfrec*& tree, gfx::Canvas& canvas, std::uint8_t style, int width, std::uint8_t dashed) {
  if (!tree) return;
  if (tree->code == node::Negate) NegateTree(tree);
  if (tree->code == node::Product) {
    PlotImplicitList(tree->left, canvas, style, width, dashed);
    PlotImplicitList(tree->right, canvas, style, width, dashed);
    return;
  }
  PlotImplicitCurve(tree, canvas, style, width, dashed);
}

ImplicitRoad PlotImplicitCurve(Tfrec*& tree, gfx::Canvas& canvas, std::uint8_t style, int width,
                               std::uint8_t dashed) {
  const ImplicitStroke stroke{OutputCanvas(canvas, kCopyPen), style, width, dashed};
  if (tree && tree->code == node::Abs) {
    Tfrec* operand = tree->right;
    tree->right = nullptr;
    DisposeTree(tree);
    tree = operand;
  }
  if (!tree) return ImplicitRoad::None;
  TraceCellWidth = 10;
  TraceCellHeight = 10;
  const ImplicitDerivativesScope derivatives(tree);
  ImplicitRoad road = ImplicitRoad::None;
  switch (PolynomialDegree(tree, kDegreeTotalXY)) {
    case 1: road = DrawImplicitLine(tree, stroke); break;
    case 2: road = DrawConic(tree, stroke); break;
    default: break;
  }
  return road != ImplicitRoad::None ? road : SolveByDegrees(tree, stroke);
}
