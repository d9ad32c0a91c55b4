#include "render/RegionBoundaries.h"

#include "formula/DocumentState.h"
#include "formula/Simplifier.h"
#include "formula/TreeOps.h"
#include "render/ExplicitCurves.h"
#include "render/ImplicitRelations.h"

namespace {

constexpr gfx::Color kStrictBoundary = 0xC0C0C0;

bool IsVariable(const Tfrec* t, int32_t code) { return t && t->code == code; }

// `side` is the variable alone and `other` does not contain it: the curve variable = other.
bool IsSolvedFor(const Tfrec* side, const Tfrec* other, int32_t variable) {
  return IsVariable(side, variable) && PolynomialDegree(other, variable == node::VarX ? kDegreeInX : kDegreeInY) == 0;
}

TreePtr Simplified(const Tfrec* t) {
  TreePtr copy = CloneTree(t, 3);
  SimplifyTree(InPlace(copy), 3);
  return copy;
}

void DrawRelationCurve(gfx::Canvas& canvas, Tfrec*& relation, std::uint8_t dashed, int width) {
  const TViewRange& v = doc.ViewRange;
  const SolutionMarks marks{canvas.pen.color, 0, width + 2};
  Tfrec* none = nullptr;
  Tfrec*& l = relation->left;
  Tfrec*& r = relation->right;
  if (IsSolvedFor(l, r, node::VarX)) {
    PlotFunctionCurve(canvas, r, none, dashed, v.YMin, v.YMax, marks, true, 0);
  } else if (IsSolvedFor(r, l, node::VarX)) {
    PlotFunctionCurve(canvas, l, none, dashed, v.YMin, v.YMax, marks, true, 0);
  } else if (IsSolvedFor(l, r, node::VarY)) {
    PlotFunctionCurve(canvas, r, none, dashed, v.XMin, v.XMax, marks, false, 0);
  } else if (IsSolvedFor(r, l, node::VarY)) {
    PlotFunctionCurve(canvas, l, none, dashed, v.XMin, v.XMax, marks, false, 0);
  } else {
    TreePtr difference = RelationDifference(relation);
    PlotImplicitList(InPlace(difference), canvas, 0, width, dashed);
  }
}

}  // namespace

TreePtr RelationDifference(const Tfrec* relation) {
  TreePtr difference(NewBinaryNode(node::Difference, Simplified(relation->left).release(),
                                   Simplified(relation->right).release(), 3));
  SimplifyTree(InPlace(difference), 3);
  return difference;
}

void DrawRegionBoundaries(gfx::Canvas& canvas, Tfrec*& tree, std::uint8_t dashed, int width) {
  if (!tree) return;
  if (tree->code == node::And || tree->code == node::Or || tree->code == node::Product || tree->code == node::Sum) {
    DrawRegionBoundaries(canvas, tree->left, dashed, width);
    DrawRegionBoundaries(canvas, tree->right, dashed, width);
    return;
  }
  if (tree->code >= 0 || !tree->left || !tree->right) return;
  const gfx::Color saved = canvas.pen.color;
  if (tree->code == node::Greater || tree->code == node::Less) canvas.pen.color = kStrictBoundary;
  DrawRelationCurve(canvas, tree, dashed, width);
  canvas.pen.color = saved;
}
