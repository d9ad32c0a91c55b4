#include "render/SolvedBranches.h"

#include <span>

#include "formula/DocumentState.h"
#include "formula/EvalHelpers.h"
#include "formula/Parser.h"
#include "formula/Records.h"
#include "formula/Simplifier.h"
#include "formula/TreeKernel.h"
#include "formula/TreeOps.h"
#include "platform/Sjis.h"
#include "render/BranchJoining.h"
#include "render/DrawToolkit.h"
#include "render/ExplicitCurveSampler.h"
#include "render/ExplicitCurves.h"
#include "render/ImplicitTracing.h"

namespace {

// The variable solved for, and the other one the branches are sampled along.
struct Solving {
  int32_t code;           // the variable solved for
  bool swapXY;            // branches x = g(y)
  int otherAxis;          // NonZeroInView axis of the other variable: 1 x, 2 y
  int joinAxis;           // JoinBranchEnds axis: 0 sampled along x, 1 along y
  TreePtr (&derivatives)[4];
  Extended lower, upper;  // the other variable's view range
};

Solving SolvingFor(SolveFor v) {
  const TViewRange& r = doc.ViewRange;
  if (v == SolveFor::Y) return {node::VarY, false, 1, 0, ImplicitDerivatives.y, r.XMin, r.XMax};
  return {node::VarX, true, 2, 1, ImplicitDerivatives.x, r.YMin, r.YMax};
}

// k_i: the i-th derivative of F in the variable, the variable set to 0, simplified.
TreePtr Coefficient(const Tfrec* F, const Solving& s, int i) {
  TreePtr k = CloneTree(i == 0 ? F : s.derivatives[i - 1].get(), 2);
  SubstituteZeroAndSimplify(InPlace(k), s.code);
  return k;
}

bool NonZeroAcross(Tfrec* tree, const Solving& s) { return NonZeroInView(tree, s.otherAxis); }

// The template parsed symbolically, with the letters a, b and c replaced by copies of the
// trees given for them, then simplified. The parser's flags are left as they were: a
// template that folds to a division by zero is only undefined where it is sampled.
TreePtr FromTemplate(const char* utf8, const Tfrec* a, const Tfrec* b = nullptr, const Tfrec* c = nullptr) {
  const uint8_t parseOK = eng.ParseOK;
  const int32_t errorPos = eng.ParseErrorPos;
  TreePtr t = ParseExpression(sj(utf8), 2);
  SubstituteCodeBySubtree(InPlace(t), a, node::VariableCode('a'));
  if (b) SubstituteCodeBySubtree(InPlace(t), b, node::VariableCode('b'));
  if (c) SubstituteCodeBySubtree(InPlace(t), c, node::VariableCode('c'));
  SimplifyTree(InPlace(t), 2);
  eng.ParseOK = parseOK;
  eng.ParseErrorPos = errorPos;
  return t;
}

// numerator / denominator, simplified; the trees are copied.
TreePtr SimplifiedQuotient(const Tfrec* numerator, const Tfrec* denominator) {
  TreePtr q(NewBinaryNode(node::Quotient, CloneTree(numerator, 2).release(), CloneTree(denominator, 2).release(), 2));
  SimplifyTree(InPlace(q), 2);
  return q;
}

TreePtr NumberTree(Extended v) { return TreePtr(NewNumberNode(2, v)); }

constexpr const char* kQuadraticRoots[2] = {"(-b+sqrt(b^2-2ac))/a", "(-b-sqrt(b^2-2ac))/a"};

// Every branch sampled into one list of pieces, joined end to end where pieces meet.
TCurveSegment* SampleBranches(std::span<const TreePtr> branches, const Solving& s) {
  TCurveSegment* pieces = nullptr;
  Tfrec* aux = nullptr;
  for (const TreePtr& branch : branches)
    if (branch) ComputeFunctionCurve(branch.get(), aux, 0, pieces, s.lower, s.upper, s.swapXY);
  JoinCurveSegments(pieces);
  return pieces;
}

void DrawPieces(TCurveSegment*& pieces, const ImplicitStroke& stroke) {
  DrawCurveSegments(stroke.canvas, pieces, stroke.dashed);
  DisposeCurveSegments(pieces);
}

ImplicitRoad PlotSolvedFor(Tfrec*& F, SolveFor v, const ImplicitStroke& stroke) {
  const Solving s = SolvingFor(v);
  Tfrec* slope = s.derivatives[0].get();
  if (NonZeroAcross(slope, s)) {
    TreePtr g(NewUnaryNode(
        node::Negate, NewBinaryNode(node::Quotient, CloneTree(F, 2).release(), CloneTree(slope, 2).release(), 2), 2));
    SubstituteZeroAndSimplify(InPlace(g), s.code);
    const SolutionMarks marks{stroke.canvas.pen.color, stroke.style, stroke.width + 2};
    PlotFunctionCurve(stroke.canvas, InPlace(g), F, stroke.dashed, ToSingle(s.lower), ToSingle(s.upper), marks,
                      s.swapXY, 0);
    return v == SolveFor::Y ? ImplicitRoad::SolvedForY : ImplicitRoad::SolvedForX;
  }
  // dF/dv vanishes across the view: where F is defined at all, only a search finds it.
  if (!eng.EvalOK) return ImplicitRoad::None;
  TraceImplicitNumerically(F, stroke.canvas);
  return ImplicitRoad::Trace;
}

ImplicitRoad Road(SolveFor v, ImplicitRoad inY, ImplicitRoad inX) { return v == SolveFor::Y ? inY : inX; }

}  // namespace

int ClassifyByCoefficients(Tfrec*& F, SolveFor v) {
  const Solving s = SolvingFor(v);
  TreePtr k[5];
  bool nonZero[5] = {};
  for (int i = 1; i <= 4; ++i) {
    k[i] = Coefficient(F, s, i);
    nonZero[i] = NonZeroAcross(k[i].get(), s);
  }
  if (nonZero[4]) return nonZero[3] || nonZero[1] ? 14 : 4;
  for (int i = 3; i >= 1; --i)
    if (nonZero[i]) return i;
  return 0;
}

ImplicitRoad PlotSolvedForY(Tfrec*& F, const ImplicitStroke& stroke) { return PlotSolvedFor(F, SolveFor::Y, stroke); }

ImplicitRoad PlotSolvedForX(Tfrec*& F, const ImplicitStroke& stroke) { return PlotSolvedFor(F, SolveFor::X, stroke); }

ImplicitRoad PlotQuadraticBranches(Tfrec*& F, SolveFor v, const ImplicitStroke& stroke) {
  const Solving s = SolvingFor(v);
  const TreePtr k[3] = {Coefficient(F, s, 0), Coefficient(F, s, 1), Coefficient(F, s, 2)};
  const TreePtr branches[2] = {FromTemplate(kQuadraticRoots[0], k[2].get(), k[1].get(), k[0].get()),
                               FromTemplate(kQuadraticRoots[1], k[2].get(), k[1].get(), k[0].get())};
  TCurveSegment* pieces = SampleBranches(branches, s);
  DrawPieces(pieces, stroke);
  return Road(v, ImplicitRoad::QuadraticInY, ImplicitRoad::QuadraticInX);
}

ImplicitRoad PlotCubicBranches(Tfrec*& F, SolveFor v, const ImplicitStroke& stroke) {
  const Solving s = SolvingFor(v);
  const TreePtr k[4] = {Coefficient(F, s, 0), Coefficient(F, s, 1), Coefficient(F, s, 2), Coefficient(F, s, 3)};
  // Reduced to v³ + 3a·v² + 6b·v + 6c; with v = t − a, t³ + 3P·t + Q = 0.
  const TreePtr abc[3] = {SimplifiedQuotient(k[2].get(), k[3].get()), SimplifiedQuotient(k[1].get(), k[3].get()),
                          SimplifiedQuotient(k[0].get(), k[3].get())};
  const TreePtr pq[2] = {FromTemplate("2b-a^2", abc[0].get(), abc[1].get()),
                         FromTemplate("2a^3-6ab+6c", abc[0].get(), abc[1].get(), abc[2].get())};
  static constexpr const char* kRoots[4] = {
      "2sqrt(-b)cos(arccos(-c/2sqrt(-b)^3)/3)-a",
      "2sqrt(-b)cos(arccos(-c/2sqrt(-b)^3)/3+2π/3)-a",
      "2sqrt(-b)cos(arccos(-c/2sqrt(-b)^3)/3+4π/3)-a",
      "((-c+sqrt(c^2+4b^3))/2)^(1/3)+((-c-sqrt(c^2+4b^3))/2)^(1/3)-a",
  };
  TreePtr branches[4];
  for (int i = 0; i < 4; ++i) branches[i] = FromTemplate(kRoots[i], abc[0].get(), pq[0].get(), pq[1].get());
  TCurveSegment* pieces = SampleBranches(branches, s);
  DrawPieces(pieces, stroke);
  return Road(v, ImplicitRoad::CubicInY, ImplicitRoad::CubicInX);
}

ImplicitRoad PlotBiquadraticBranches(Tfrec*& F, SolveFor v, const ImplicitStroke& stroke) {
  const Solving s = SolvingFor(v);
  const TreePtr k[3] = {Coefficient(F, s, 0), Coefficient(F, s, 2), Coefficient(F, s, 4)};
  // In u = v²: k_4/24·u² + k_2/2·u + k_0, so a (twice the u² coefficient) is k_4/12.
  const TreePtr twelve = NumberTree(12);
  const TreePtr two = NumberTree(2);
  const TreePtr abc[3] = {SimplifiedQuotient(k[2].get(), twelve.get()), SimplifiedQuotient(k[1].get(), two.get()),
                          CloneTree(k[0].get(), 2)};
  TreePtr branches[4];
  for (int i = 0; i < 2; ++i) {
    TreePtr u = FromTemplate(kQuadraticRoots[i], abc[0].get(), abc[1].get(), abc[2].get());
    branches[2 * i] = TreePtr(NewUnaryNode(node::Sqrt, u.release(), 2));
    branches[2 * i + 1] = TreePtr(NewUnaryNode(node::Negate, CloneTree(branches[2 * i].get(), 2).release(), 2));
  }
  TCurveSegment* pieces = SampleBranches(branches, s);
  JoinBranchEnds(F, pieces, s.joinAxis);
  DrawPieces(pieces, stroke);
  return Road(v, ImplicitRoad::BiquadraticInY, ImplicitRoad::BiquadraticInX);
}
