// The recursive core of the evaluator: the node protocol and the leaves, and the outer
// routines around it.
#include "formula/Evaluator.h"

#include "formula/ConstructedPoints.h"

#include <cmath>
#include <cstdlib>
#include <utility>

#include "formula/DocumentState.h"
#include "formula/EvalHelpers.h"
#include "formula/EvaluatorCore.h"
#include "formula/EvaluatorMath.h"
#include "formula/EvaluatorRules.h"
#include "formula/Fraction.h"
#include "formula/Numeric.h"
#include "formula/Parser.h"
#include "formula/FormulaHost.h"
#include "formula/Simplifier.h"
#include "formula/TreeKernel.h"
#include "formula/VariableValues.h"
#include "platform/Runtime.h"
#include "platform/StackRoom.h"

namespace evaluator {

namespace {

uint64_t randomState = 0x9E3779B97F4A7C15ull;

// Single-precision cell of the parameter letters by variable code 10001..10022; 0 for e.
struct CellTable {
  uint8_t cell[23] = {};
  CellTable() {
    for (int code = 10001; code <= 10022; ++code) {
      const VariableSlot slot = SlotOfLetter(LetterOfNodeCode(code));
      if (slot.home == VariableHome::Cell) cell[code - 10000] = slot.cell;
    }
  }
};
const CellTable cellTable;

// A small integer value is exact (while exact fractions are kept).
[[gnu::always_inline]] inline void SetExactInteger(Tfrec* t, Extended result) {
  if (std::fabs(result) <= ExactLimit && IsIntegral(result)) {
    t->exact = 1;
    t->num = static_cast<int32_t>(WholeToInt(result));
    t->den = 1;
  }
}

// Step 11 of the node protocol: store the result, keep exactness in step with it.
[[gnu::always_inline]] inline void Store(Tfrec* t, Extended result, uint8_t v) {
  t->value = result;
  t->valid = v;
  if (eng.UseFigureFormulas) SetExactInteger(t, result);
  if (t->exact && (std::abs(t->num) > ExactLimit || std::abs(t->den) > ExactLimit)) {
    t->exact = 0;
    eng.UseFigureFormulas = 0;
  }
}

// The result of a node whose children made it invalid (steps 5, 7, 8).
[[gnu::always_inline]] inline Extended Invalid(Tfrec* t) {
  t->valid = 0;
  t->value = 0;
  return 0;
}

// ---- leaves -----------------------------------------------------------------------------

// Coordinate `axis` (0 x, 1 y, 2 z) of point n, with its exact fraction.
Extended PointCoordinate(Tfrec* t, int n, int axis, const EvalPoint& at) {
  RefreshPoint(n, at);
  const auto& sequence = doc.PointSequences[n];
  if (sequence.empty()) {
    eng.EvalOK = 0;
    return 0;
  }
  const TSpacePoint& p = sequence[0];
  const Extended value = axis == 0 ? p.x : axis == 1 ? p.y : p.z;
  const TFraction& f = axis == 0 ? p.fx : axis == 1 ? p.fy : p.fz;
  t->exact = f.exact;
  t->num = f.num;
  t->den = f.den;
  eng.EvalOK = p.valid && xmath::IsFinite(value);
  return value;
}

Extended DefinedConstant(int n, const EvalPoint& at) {
  StorePoint(at);
  RecomputeDefinedValue(n);
  eng.EvalOK = doc.DefinedConstantDrawable[n];
  return doc.DefinedConstantValues[n];
}

// A value read from outside the tree: not finite counts as a domain error.
inline Extended Checked(Extended v) {
  if (!xmath::IsFinite(v)) eng.EvalOK = 0;
  return v;
}

Extended Leaf(Tfrec* t, const EvalPoint& at) {
  const int32_t code = t->code;
  // Numbers and x, y, z are evaluated in place by EvaluateLeaf.
  if (code >= node::VariableBase + 1 && code < node::VarX) {
    if (code == node::VarT) return Checked(doc.VariableValues.T);
    if (code == node::VarE) return EulerNumber;
    return Checked(doc.VariableValues.cells[cellTable.cell[code - node::VariableBase]]);
  }
  if (code > node::IntegrationVariableBase && code <= node::IntegrationVariableBase + 6)
    return IntegrationVariable(code);
  if (code > node::PointXBase && code <= node::PointZBase + kMaxPoints) {
    const int axis = (code - node::PointXBase - 1) / 30;
    const int n = code - node::PointXBase - 30 * axis;
    if (n <= kMaxPoints) return PointCoordinate(t, n, axis, at);
    return 0;
  }
  if (code > node::ConstantBase && code <= node::ConstantBase + kMaxDefinitions)
    return DefinedConstant(code - node::ConstantBase, at);
  if (code == node::Latx) return eng.XTickStep;
  if (code == node::Laty) return eng.YTickStep;
  return 0;
}

// ---- the special forms --------------------------------------------------------------

// A bound of an integral or an extremum: an error is an error of the form, an undefined
// bound makes the form undefined.
bool BoundUsable(const Tfrec* bound) { return eng.EvalOK && bound->valid; }

Extended Integral(Tfrec* t, const EvalPoint& at) {
  CopyExtended(t->prevValue, t->value);
  Tfrec* ranges = t->left;
  Tfrec* pair = t->right;
  if (!ranges || !ranges->left || !ranges->left->left || !ranges->left->right || !ranges->right || !pair ||
      !pair->left || !pair->right) {
    eng.EvalOK = 0;
    return Invalid(t);
  }
  Tfrec* range = ranges->left;
  const Extended lo = Evaluate(range->left, at);
  if (faultPending) return 0;
  bool usable = BoundUsable(range->left);
  const Extended hi = usable ? Evaluate(range->right, at) : 0;
  if (faultPending) return 0;
  usable = usable && BoundUsable(range->right);
  if (!usable) return Invalid(t);
  const int64_t panels = rtl::Round(ranges->right->value);
  const Extended result = SimpsonOverPair(pair, panels, lo, hi, at);
  t->valid = eng.EvalOK;
  eng.LineContinues = 0;
  t->value = eng.EvalOK ? result : 0;
  return t->value;
}

Extended Extremum(Tfrec* t, const EvalPoint& at) {
  Tfrec* range = t->left;
  if (!range || !range->left || !range->right || !t->right) {
    eng.EvalOK = 0;
    return Invalid(t);
  }
  // The bounds are read at x = y = z = 0, and the body is searched there.
  static const Extended zero = 0;
  const EvalPoint origin{zero, zero, zero};
  StorePoint(origin);
  const Extended hi = Evaluate(range->right, origin);
  if (faultPending) return 0;
  const bool hiOK = eng.EvalOK, hiValid = range->right->valid;
  const Extended lo = Evaluate(range->left, origin);
  if (faultPending) return 0;
  eng.EvalOK = eng.EvalOK && hiOK;
  if (!eng.EvalOK) return Invalid(t);
  if (!hiValid || !range->left->valid) return Invalid(t);
  CopyExtended(t->prevValue, t->value);
  const Extended result = ExtremumValue(t->right, t->code == node::MaxOver ? 1 : 2, lo, hi, doc.PixelSizeX);
  if (eng.EvalOK) Store(t, result, 1);
  return result;
}

}  // namespace

Extended RaiseFault() {
  faultPending = true;
  eng.EvalOK = 0;
  return 0;
}

void SetIndexCellToOne() { doc.VariableValues.cells[cellTable.cell[node::VarI - node::VariableBase]] = 1; }

void RefreshPoint(int n, const EvalPoint& at) {
  StorePoint(at);
  RefreshPointSequence(n, doc.PointLetterEntry[n]);
}

namespace {

// The forms evaluated by their own rules rather than the node protocol's children first.
[[gnu::noinline]] Extended EvaluateForm(Tfrec* t, const EvalPoint& at) {
  switch (t->code) {
    case node::Integral: return Integral(t, at);
    case node::MaxOver:
    case node::MinOver: return Extremum(t, at);
    case node::SumForm:
    case node::ProductForm:
      // A Sum or multi left by the unrolling is empty (or its bounds could not be read):
      // the empty sum is 0, the empty product 1. Its body is not evaluated.
      CopyExtended(t->prevValue, t->value);
      Store(t, t->code == node::SumForm ? 0 : 1, 1);
      return t->value;
    default: {
      // arg and angle: the operand holds point numbers, not values; it is read, never
      // evaluated.
      CopyExtended(t->prevValue, t->value);
      const Extended result = EvaluateAngleForm(t, at);
      if (faultPending) return 0;
      if (eng.EvalOK) Store(t, result, 1);
      return result;
    }
  }
}

[[gnu::noinline]] Extended EvaluateOtherLeaf(Tfrec* t, const EvalPoint& at) {
  const Extended result = Leaf(t, at);
  if (eng.EvalOK) Store(t, result, 1);
  return result;
}

// Steps 1 and 2 of the node protocol.
[[gnu::always_inline]] inline void StartNode(Tfrec* t) {
  t->zeroCrossed = 0;
  t->poleCrossed = 0;
  t->exact = 0;
  t->num = 1;
  t->den = 1;
  eng.EvalOK = 1;
}

// x, y or z.
[[gnu::always_inline]] inline Extended EvaluateCoordinate(Tfrec* t, const EvalPoint& at) {
  const int32_t code = t->code;
  const Extended& v = code == node::VarX ? at.x : code == node::VarY ? at.y : at.z;
  if (!StoredFinite(v)) {
    eng.EvalOK = 0;
    return v;
  }
  if (StoredSign(t->prevValue) * StoredSign(v) <= 0) t->zeroCrossed = 1;
  Store(t, v, 1);
  return v;
}

// A number, pi or the degree: it keeps its value; only validity and exactness are set.
[[gnu::always_inline]] inline Extended EvaluateConstant(Tfrec* t) {
  t->valid = 1;
  if (eng.UseFigureFormulas) SetExactInteger(t, t->value);
  return t->value;
}

inline bool IsConstantLeaf(int32_t code) { return code == node::Number || code == node::Pi || code == node::Degree; }
inline bool IsCoordinateLeaf(int32_t code) { return code >= node::VarX && code <= node::VarZ; }

Extended EvaluateLeaf(Tfrec* t, const EvalPoint& at) {
  CopyExtended(t->prevValue, t->value);
  const int32_t code = t->code;
  if (IsConstantLeaf(code)) return EvaluateConstant(t);
  if (IsCoordinateLeaf(code)) return EvaluateCoordinate(t, at);
  return EvaluateOtherLeaf(t, at);
}

// Numbers and coordinates are evaluated in place, without a call: a call would move the
// sibling's 80-bit value out to memory and back.
inline bool IsInlineLeaf(const Tfrec* c) {
  return !c->left && !c->right && (IsConstantLeaf(c->code) || IsCoordinateLeaf(c->code));
}

[[gnu::always_inline]] inline Extended EvaluateInlineLeaf(Tfrec* c, const EvalPoint& at) {
  StartNode(c);
  CopyExtended(c->prevValue, c->value);
  return IsConstantLeaf(c->code) ? EvaluateConstant(c) : EvaluateCoordinate(c, at);
}

// A child. The value comes back in a register; reading it from the node right after it was
// stored would stall.
[[gnu::always_inline]] inline Extended EvaluateChild(Tfrec* c, const EvalPoint& at) {
  return IsInlineLeaf(c) ? EvaluateInlineLeaf(c, at) : Evaluate(c, at);
}

inline bool IsFunctionCode(int32_t code) {
  return (code >= node::Negate && code <= node::Rnd) || code == node::Roundc || code == node::Intc;
}

[[gnu::noinline]] Extended EvaluateFactorial(Tfrec* t, Tfrec* l, const EvalPoint& at) {
  const Extended L = EvaluateChild(l, at);
  if (faultPending) return 0;
  if (!eng.EvalOK) return Invalid(t);
  CopyExtended(t->prevValue, t->value);
  uint8_t v = 1;
  const Extended result = Factorial(l, L, v);
  if (eng.EvalOK) Store(t, result, v);
  return result;
}

// The end of the node protocol: an undefined result is trapped, a defined one stored.
[[gnu::always_inline]] inline Extended Finish(Tfrec* t, Extended result, uint8_t v) {
  if (faultPending) return 0;
  if (!xmath::IsFinite(result)) return RaiseFault();
  if (eng.EvalOK) Store(t, result, v);
  return result;
}

// Left operands being evaluated by recursion; beyond SpineDepth a chain of them is walked
// by a loop instead (EvaluateSpine).
int leftDepth = 0;
constexpr int SpineDepth = 64;

// A node evaluated by the protocol for two operands.
inline bool IsChainNode(const Tfrec* t) {
  return t->left && t->right && !(t->code >= node::SumForm && t->code <= node::MinOver);
}

Extended CompleteBinary(Tfrec* t, Tfrec* l, Tfrec* r, Extended L, Extended R, uint8_t rOK);
Extended EvaluateSpine(Tfrec* top, const EvalPoint& at);

}  // namespace

Extended Evaluate(Tfrec* t, const EvalPoint& at) {
  // A tree deeper than the stack can hold is no formula to evaluate.
  if (stackroom::Low()) return RaiseFault();
  StartNode(t);
  Tfrec* l = t->left;
  Tfrec* r = t->right;
  const int32_t code = t->code;

  if (!l) {
    if (!r) return EvaluateLeaf(t, at);
    // One operand, in the right child.
    if (code == node::Arg || code == node::Angle) return EvaluateForm(t, at);
    const Extended R = EvaluateChild(r, at);
    if (faultPending) return 0;
    if (!eng.EvalOK) return Invalid(t);
    CopyExtended(t->prevValue, t->value);
    uint8_t v = 1;
    const Extended result = IsFunctionCode(code) ? Unary(t, r, R, v) : 0;
    return Finish(t, result, v);
  }
  if (!r) return code == node::Factorial ? EvaluateFactorial(t, l, at) : EvaluateOtherLeaf(t, at);
  if (code >= node::SumForm && code <= node::MinOver) return EvaluateForm(t, at);

  // Both children, the right one first.
  Extended R = EvaluateChild(r, at);
  if (faultPending) return 0;
  const uint8_t rOK = eng.EvalOK;
  if (code == node::Product && !r->valid) {
    // An undefined factor: the product is undefined and the other is not needed.
    r->value = 0;
    return Invalid(t);
  }
  Extended L;
  if (IsInlineLeaf(l)) {
    L = EvaluateInlineLeaf(l, at);
  } else {
    if (leftDepth < SpineDepth || !IsChainNode(l)) {
      struct Deeper {
        Deeper() { ++leftDepth; }
        ~Deeper() { --leftDepth; }
      } deeper;
      L = Evaluate(l, at);
    } else {
      L = EvaluateSpine(l, at);
    }
    if (faultPending) return 0;
    // The right operand waited in its node: held across the call it would have gone to
    // memory and back.
    R = r->value;
  }
  return CompleteBinary(t, l, r, L, R, rOK);
}

namespace {

// Steps 7 to 12 of the node protocol for a node with two operands, once both are evaluated.
[[gnu::always_inline]] inline Extended CompleteBinary(Tfrec* t, Tfrec* l, Tfrec* r, Extended L, Extended R,
                                                      uint8_t rOK) {
  const uint8_t lOK = eng.EvalOK;
  if (t->code == node::Product) {
    // A false condition times an error is a restriction, not an error.
    if (!l->valid && !rOK && TreeHasRelation(l)) {
      r->value = 0;
      eng.EvalOK = 1;
      return Invalid(t);
    }
    if (!r->valid && !lOK && TreeHasRelation(r)) {
      l->value = 0;
      eng.EvalOK = 1;
      return Invalid(t);
    }
  }
  eng.EvalOK = lOK && rOK;
  if (!eng.EvalOK) return Invalid(t);
  CopyExtended(t->prevValue, t->value);
  uint8_t v = 1;
  const Extended result = Combine(t, l, r, L, R, v);
  if (faultPending) return 0;
  if (eng.EvalOK) Store(t, result, v);
  return result;
}

// A long chain of operators down the left children (x+x+...+x): the nodes are evaluated in
// the order of the recursion, right operand first, but by a loop over the chain, so that
// the depth of the chain does not become the depth of the stack. The right operands' values
// are read back from their nodes, which hold them on every path that goes on. The chain's
// nodes wait in a fixed table shared by nested chains: nothing is allocated.
Extended EvaluateSpine(Tfrec* top, const EvalPoint& at) {
  struct Level {
    Tfrec* node;
    uint8_t rOK;
  };
  // Far beyond the deepest tree the parser builds.
  constexpr size_t Capacity = size_t{1} << 16;
  static Level levels[Capacity];
  static size_t used = 0;
  const size_t base = used;
  struct Unwind {
    size_t base;
    ~Unwind() { used = base; }
  } unwind{base};

  Extended value = 0;
  for (Tfrec* t = top;;) {
    StartNode(t);
    Tfrec* r = t->right;
    EvaluateChild(r, at);
    if (faultPending) return 0;
    if (t->code == node::Product && !r->valid) {
      r->value = 0;
      value = Invalid(t);
      break;
    }
    if (used == Capacity) return RaiseFault();
    levels[used++] = {t, eng.EvalOK};
    Tfrec* l = t->left;
    if (IsChainNode(l)) {
      t = l;
      continue;
    }
    value = EvaluateChild(l, at);
    if (faultPending) return 0;
    break;
  }
  while (used > base) {
    const Level level = levels[--used];
    Tfrec* t = level.node;
    value = CompleteBinary(t, t->left, t->right, value, t->right->value, level.rOK);
    if (faultPending) return 0;
  }
  return value;
}

}  // namespace

Extended& IntegrationVariable(int32_t code) {
  static Extended bound[7] = {};
  return bound[code - node::IntegrationVariableBase];
}

}  // namespace evaluator

using namespace evaluator;

Extended EvaluateNode(Tfrec* tree, Extended x, Extended y, Extended z) {
  if (!tree) return 0;
  const EvalPoint at{x, y, z};
  StorePoint(at);
  const Extended result = Evaluate(tree, at);
  if (faultPending) {
    faultPending = false;
    eng.EvalOK = 0;
    return 0;
  }
  return result;
}

Extended EvaluateTreeRecursively(Tfrec* tree, Extended x, Extended y, Extended z) {
  if (!tree) return 0;
  return EvaluateRecursively(tree, EvalPoint{x, y, z});
}

namespace evaluator {

Extended EvaluateRecursively(Tfrec* tree, const EvalPoint& at) {
  Extended result = 0;
  bool faulted;
  try {
    result = Evaluate(tree, at);
    faulted = faultPending;
  } catch (...) {
    faulted = true;
  }
  faultPending = false;
  StorePoint(at);
  if (faulted) {
    eng.EvalOK = 0;
    eng.EvalDrawable = 0;
    EngineHost().StopAnimationTimer();
    return 0;
  }
  eng.EvalDrawable = tree->valid && eng.EvalOK;
  if (!eng.EvalOK) {
    tree->valid = 0;
    return 0;
  }
  return result;
}

}  // namespace evaluator

namespace {

// A text that does not parse has no value: it must not read as a valid 0.
Extended EvaluateParsed(TreePtr tree, Extended x, Extended y, Extended z) {
  if (!eng.ParseOK) {
    eng.EvalOK = 0;
    eng.EvalDrawable = 0;
    return 0;
  }
  return EvaluateTree(tree.get(), x, y, z);
}

}  // namespace

Extended EvaluateText(const std::string& text, Extended x, Extended y, Extended z) {
  if (text.empty()) return 0;
  return EvaluateParsed(ParseExpression(text, 3), x, y, z);
}

Extended EvaluateTextWithFigureFormulas(const std::string& text, Extended x, Extended y, Extended z) {
  // Nested calls (a constant inside a point's formula) give back what the outer call set.
  static int depth = 0;
  const uint8_t outer = eng.UseFigureFormulas;
  eng.UseFigureFormulas = doc.Dimension == 3 ? 0 : 1;
  ++depth;
  Extended result = 0;
  try {
    result = EvaluateText(text, x, y, z);
  } catch (...) {
    --depth;
    eng.UseFigureFormulas = 0;
    throw;
  }
  --depth;
  eng.UseFigureFormulas = depth == 0 ? 0 : outer;
  return result;
}

Extended EvaluateTextUnrolled(const std::string& text, Extended x, Extended y, Extended z) {
  if (text.empty()) return 0;
  TreePtr tree = ParseExpression(text, 2);
  if (eng.ParseOK && !ExpandSumProduct(InPlace(tree), 1)) eng.ParseOK = 0;
  return EvaluateParsed(std::move(tree), x, y, z);
}

void CopyPoleFlags(Tfrec* node) {
  if (!node || !node->right) return;
  node->zeroCrossed = node->right->zeroCrossed;
  node->poleCrossed = node->right->poleCrossed;
}


void SeedRandom(uint64_t seed) { randomState = seed; }

namespace evaluator {
// A uniform value in [0, 1) (splitmix64).
Extended RandomUnit() {
  uint64_t z = (randomState += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  z ^= z >> 31;
  return static_cast<Extended>(z) * 0x1p-64L;
}
}  // namespace evaluator
