// Compiling an expression tree into a program (EvalProgram.h).
#include <utility>
#include <vector>

#include "formula/DocumentState.h"
#include "formula/EvalProgram.h"
#include "formula/VariableValues.h"

namespace evaluator {

namespace {

// Larger trees are left to the recursive evaluator.
constexpr size_t MaxProgramNodes = size_t{1} << 16;

bool IsNumberLeaf(int32_t code) { return code == node::Number || code == node::Pi || code == node::Degree; }

// A childless node an instruction reads in place.
bool ReadLeaf(const Tfrec* t, Source& out) {
  if (t->left || t->right) return false;
  const int32_t code = t->code;
  out = Source{};
  out.node = t;
  out.hasRelation = t->hasRelation;
  if (IsNumberLeaf(code)) {
    out.from = From::Constant;
    out.constant = t->value;
    return true;
  }
  switch (code) {
    case node::VarX:
    case node::VarY:
    case node::VarZ:
      out.from = From::Coordinate;
      out.axis = static_cast<uint8_t>(code - node::VarX);
      return true;
    case node::VarE:
      out.from = From::Constant;
      out.constant = EulerNumber;
      return true;
    case node::VarT:
      out.from = From::Long;
      out.longValue = &doc.VariableValues.T;
      out.checked = true;
      return true;
    case node::Latx:
      out.from = From::Float;
      out.floatValue = &eng.XTickStep;
      return true;
    case node::Laty:
      out.from = From::Float;
      out.floatValue = &eng.YTickStep;
      return true;
    default: break;
  }
  if (code > node::VariableBase && code < node::VarT) {
    const VariableSlot slot = SlotOfLetter(LetterOfNodeCode(code));
    if (slot.home != VariableHome::Cell) return false;
    out.from = From::Float;
    out.floatValue = &doc.VariableValues.cells[slot.cell];
    out.checked = true;
    return true;
  }
  if (code > node::IntegrationVariableBase && code <= node::IntegrationVariableBase + 6) {
    out.from = From::Long;
    out.longValue = &IntegrationVariable(code);
    return true;
  }
  return false;
}

enum class Shape : uint8_t { Unsupported, Leaf, Unary, Factorial, Binary };

// How the recursive evaluator treats the node, among the shapes a program covers.
Shape ShapeOf(const Tfrec* t) {
  const int32_t code = t->code;
  if (!t->left && !t->right) {
    Source unused;
    return ReadLeaf(t, unused) ? Shape::Leaf : Shape::Unsupported;
  }
  if (!t->left) {
    // Functions and the unary minus; not the angle forms, which read points, nor rnd,
    // whose random sequence a run could not give back.
    const bool function = (code >= node::Negate && code < node::Rnd && code != node::Arg && code != node::Angle) ||
                          code == node::Roundc || code == node::Intc;
    return function ? Shape::Unary : Shape::Unsupported;
  }
  if (!t->right) return code == node::Factorial ? Shape::Factorial : Shape::Unsupported;
  if ((code >= node::Power && code <= node::Sum) || node::IsRelation(code) || code == node::Combinations ||
      code == node::Permutations || code == node::Max || code == node::Min || code == node::LogBase)
    return Shape::Binary;
  return Shape::Unsupported;
}

bool IsOperandLeaf(const Tfrec* t) { return ShapeOf(t) == Shape::Leaf; }

bool IsCoordinateLeaf(const Tfrec* t) {
  return t && !t->left && !t->right && t->code >= node::VarX && t->code <= node::VarZ;
}

bool IsNumber(const Tfrec* t) { return t && !t->left && !t->right && IsNumberLeaf(t->code); }

Op OpOf(const Tfrec* t, Shape shape) {
  switch (shape) {
    case Shape::Leaf: return Op::Leaf;
    case Shape::Unary: return Op::Unary;
    case Shape::Factorial: return Op::Factorial;
    default: break;
  }
  switch (t->code) {
    case node::Sum:
    case node::Difference: return Op::Sum;
    case node::Product: return Op::Product;
    case node::Quotient: return Op::Quotient;
    case node::Power: return Op::Power;
    default: return node::IsRelation(t->code) ? Op::Relation : Op::Binary;
  }
}

// Whether a node's zero and pole crossings matter: at the root, where callers read them,
// and below wherever an operator reads them to set its own or to break the line.
struct Crossings {
  bool zero = true;
  bool pole = true;
};

bool IsPositiveNumber(const Tfrec* t) { return t && IsNumberLeaf(t->code) && !t->left && !t->right && t->value > 0; }

// A whole number from 1 to 99999.
bool IsWholeExponent(const Tfrec* t) {
  if (!t || !IsNumberLeaf(t->code) || t->left || t->right) return false;
  const Extended e = t->value;
  return e >= 1 && e < 100000 && e == static_cast<Extended>(static_cast<int64_t>(e));
}

// Unary functions whose crossings are their operand's.
bool KeepsCrossings(int code) {
  switch (code) {
    case node::Negate:
    case node::Identity:
    case node::Sqrt:
    case node::Abs:
    case node::Gaus:
    case node::Round:
    case node::Roundc:
    case node::Int:
    case node::Intc:
    case node::Frac: return true;
    default: return false;
  }
}

// What a subtree can do, found before it is compiled and noted on its root: whether the
// root can report a pole crossing, and whether the subtree holds a relation.
class TreeFacts {
 public:
  explicit TreeFacts(Tfrec* root) {
    // Post-order by a loop: operands before the node.
    std::vector<std::pair<Tfrec*, bool>> stack;
    stack.reserve(64);
    stack.push_back({root, false});
    while (!stack.empty()) {
      auto [t, visited] = stack.back();
      stack.pop_back();
      if (!t) continue;
      if (!visited) {
        stack.push_back({t, true});
        stack.push_back({t->left, false});
        stack.push_back({t->right, false});
        continue;
      }
      t->program.facts = Of(t);
      ++nodes;
    }
  }

  size_t nodes = 0;

  static bool Pole(const Tfrec* t) { return t && (t->program.facts & PoleBit); }
  static bool Relation(const Tfrec* t) { return t && (t->program.facts & RelationBit); }

 private:
  static constexpr uint8_t PoleBit = 1, RelationBit = 2;

  static uint8_t Of(const Tfrec* t) {
    const bool relation = node::IsRelation(t->code) || Relation(t->left) || Relation(t->right);
    const bool operandPole = Pole(t->left) || Pole(t->right);
    bool pole = false;
    if (!t->left && !t->right) {
      pole = false;
    } else if (!t->left) {
      switch (t->code) {
        case node::Tan:
        case node::Sec:
        case node::Cosec:
        case node::Cotan:
        case node::Log:
        case node::Artanh: pole = true; break;
        case node::Exp: pole = operandPole; break;
        default: pole = KeepsCrossings(t->code) && operandPole; break;
      }
    } else {
      switch (t->code) {
        case node::Sum:
        case node::Difference:
        case node::Product: pole = operandPole; break;
        case node::Quotient: pole = true; break;  // a denominator crossing zero
        case node::Power: pole = IsPositiveNumber(t->right) ? Pole(t->left) : true; break;
        default: break;
      }
    }
    return static_cast<uint8_t>((pole ? PoleBit : 0) | (relation ? RelationBit : 0));
  }
};

Crossings CrossingsOfOperand(const Tfrec* parent, Shape shape, Crossings p, bool isLeft, const TreeFacts& facts) {
  const Crossings none{false, false}, all{true, true};
  if (shape == Shape::Factorial) return none;
  if (shape == Shape::Unary) {
    switch (parent->code) {
      case node::Exp: return Crossings{false, p.pole};
      case node::Log: return (p.zero || p.pole) ? all : none;
      default: return KeepsCrossings(parent->code) ? p : none;
    }
  }
  switch (parent->code) {
    case node::Sum: return Crossings{false, true};  // a pole breaks the line
    case node::Difference: return Crossings{false, p.pole};
    case node::Product: {
      // The operands' zero crossings cancel a pole of the product.
      const bool pole = facts.Pole(parent->left) || facts.Pole(parent->right);
      return Crossings{p.zero || (p.pole && pole), p.pole};
    }
    case node::Quotient: return all;  // crossings break the line
    case node::Power:
      if (!isLeft) return none;
      // A negative exponent swaps the crossings and breaks the line at a pole.
      return IsPositiveNumber(parent->right) ? p : all;
    default: return none;
  }
}

// Nodes whose rule compares the new value with the node's own previous one, where that
// comparison matters.
bool ReadsOwnHistory(const Tfrec* t, Shape shape, Crossings c, const TreeFacts& facts) {
  switch (t->code) {
    case node::Sum: return shape == Shape::Binary && c.zero;
    case node::Difference:
      // Poles on both sides cancel by the previous value.
      return shape == Shape::Binary && (c.zero || (c.pole && facts.Pole(t->left) && facts.Pole(t->right)));
    case node::Sgn:
    case node::Gaus:
    case node::Round:
    case node::Int:
    case node::Frac: return shape == Shape::Unary;  // jumps break the line
    case node::Sin:
    case node::Cos: return shape == Shape::Unary && c.zero;
    default: return false;
  }
}

// Nodes whose rule reads the previous value of its operands, where that matters.
bool ReadsOperandHistory(const Tfrec* parent, Crossings c) {
  switch (parent->code) {
    case node::Tan:
    case node::Sec:
    case node::Cosec:
    case node::Cotan: return !parent->left;  // poles break the line
    case node::Sin:
    case node::Cos:
    case node::Sinh: return !parent->left && c.zero;
    case node::Log: return !parent->left && (c.zero || c.pole);
    case node::Artanh: return !parent->left && c.pole;
    case node::Equal: return parent->left && parent->right;
    default: return false;
  }
}

// Nodes whose previous validity is read: the comparisons (a change of truth is reported),
// sin and cos, and the operands of a product that can be undefined or fail with an error,
// whose validity the recursive evaluator reads when they fail. (A power by a whole number
// fails only by overflow, which ends the evaluation.)
bool KeepsValidity(const Tfrec* t, Shape shape, Crossings c, const Tfrec* parent, const TreeFacts& facts) {
  const int32_t code = t->code;
  if (shape == Shape::Binary && ((code <= node::Greater && code >= node::LessEqual) || code == node::NotEqual))
    return true;
  if (shape == Shape::Unary && (code == node::Sin || code == node::Cos)) return c.zero;
  if (shape == Shape::Leaf || !parent || parent->code != node::Product || !parent->left || !parent->right)
    return false;
  const bool mayFail = !(code == node::Power && shape == Shape::Binary && IsWholeExponent(t->right));
  return mayFail || facts.Relation(t);
}

// A term of a polynomial in a coordinate, read in place by a sum or a difference: c*x^n,
// x^n, c*x or (c*x)^n with a whole n from 1 to 99999. Such a term has no pole and no
// crossing that its sum reads, and nothing of it is kept: it may be computed after the
// sum's other operand although the recursive evaluator computes it first.
bool ReadTerm(const Tfrec* t, Source& out) {
  auto power = [](const Tfrec* p) {
    return p && p->code == node::Power && p->left && p->right && IsWholeExponent(p->right);
  };
  auto product = [](const Tfrec* p) { return p && p->code == node::Product && IsNumber(p->left) && p->right; };
  out = Source{};
  out.from = From::Term;
  out.node = t;
  out.hasRelation = t->hasRelation;
  const Tfrec* coordinate = nullptr;
  if (power(t) && IsCoordinateLeaf(t->left)) {  // x^n
    out.powered = true;
    out.exponent = static_cast<int64_t>(t->right->value);
    coordinate = t->left;
  } else if (product(t) && IsCoordinateLeaf(t->right)) {  // c*x
    out.hasCoefficient = true;
    out.constant = t->left->value;
    coordinate = t->right;
  } else if (product(t) && power(t->right) && IsCoordinateLeaf(t->right->left)) {  // c*x^n
    out.hasCoefficient = out.powered = true;
    out.constant = t->left->value;
    out.exponent = static_cast<int64_t>(t->right->right->value);
    coordinate = t->right->left;
  } else if (power(t) && product(t->left) && IsCoordinateLeaf(t->left->right)) {  // (c*x)^n
    out.hasCoefficient = out.powered = out.coefficientInside = true;
    out.constant = t->left->left->value;
    out.exponent = static_cast<int64_t>(t->right->value);
    coordinate = t->left->right;
  } else {
    return false;
  }
  out.axis = static_cast<uint8_t>(coordinate->code - node::VarX);
  return true;
}

// Operands a short path reads.
bool IsShortOperand(From from) { return from != From::Long && from != From::Float; }

// The short path of an instruction, 0 when it has none.
uint16_t ShortPathOf(const Instruction& in) {
  const Source& l = in.left;
  const Source& r = in.right;
  Fast fast = Fast::None;
  switch (in.op) {
    case Op::Sum: fast = Fast::Sum; break;
    case Op::Product: fast = Fast::Product; break;
    case Op::Quotient: fast = Fast::Quotient; break;
    case Op::Relation: fast = Fast::Relation; break;
    case Op::Power: {
      // A whole exponent from 1 to 99999, written as a number, of the top or a coordinate.
      const Extended e = r.constant;
      if (r.from != From::Constant || !(e >= 1 && e < 100000) || e != static_cast<Extended>(static_cast<int64_t>(e)) ||
          (l.from != From::Top && l.from != From::Coordinate))
        return 0;
      return ShortPath(Fast::Power, l.from, r.from);
    }
    case Op::Unary:
      if (in.code != node::Negate || (r.from != From::Top && r.from != From::Coordinate)) return 0;
      return ShortPath(Fast::Negate, From::Top, r.from);
    default: return 0;
  }
  if (!IsShortOperand(l.from) || !IsShortOperand(r.from)) return 0;
  // Terms are operands of sums only, binomials of products and quotients.
  if (fast != Fast::Sum && (l.from == From::Term || r.from == From::Term)) return 0;
  if (fast != Fast::Product && fast != Fast::Quotient && (l.from == From::Binomial || r.from == From::Binomial))
    return 0;
  return ShortPath(fast, l.from, r.from);
}

class Compiler {
 public:
  explicit Compiler(Tfrec* root) : root_(root), facts_(root) {
    program_.code.reserve(2 * facts_.nodes);
    program_.shape.reserve(facts_.nodes);
    program_.keeps.reserve(facts_.nodes);
  }

  Program* Run() {
    if (!Emit()) return nullptr;
    Program* p = new Program(std::move(program_));
    p->kept.resize(p->keeps.size());
    p->skipped.resize(guards_);
    p->deep.resize(maxHeld_ > 1 ? maxHeld_ - 1 : 0);
    p->checkedAt = TreeEdits();
    return p;
  }

 private:
  struct Frame {
    Tfrec* node;
    Shape shape;
    Crossings crossings;
    uint8_t stage = 0;
    int32_t slot = -1;
    int32_t childSlot = -1;  // the slot of the operand subtree that finished last
    int32_t guard = -1;
  };

  void Check(const Tfrec* t) {
    ShapeCheck c;
    c.node = t;
    c.left = t->left;
    c.right = t->right;
    c.code = t->code;
    c.constant = IsNumberLeaf(t->code) && !t->left && !t->right;
    if (c.constant) c.value = t->value;
    program_.shape.push_back(c);
  }

  // Where the node's value or validity is kept, when a later evaluation reads it.
  int32_t SlotFor(Tfrec* t, Shape shape, Crossings c, const Frame* parent) {
    if (t == root_) return -1;
    Keep k;
    k.node = t;
    k.value = ReadsOwnHistory(t, shape, c, facts_) || (parent && ReadsOperandHistory(parent->node, parent->crossings));
    k.valid = KeepsValidity(t, shape, c, parent ? parent->node : nullptr, facts_);
    if (!k.value && !k.valid) return -1;
    program_.keeps.push_back(k);
    return static_cast<int32_t>(program_.keeps.size() - 1);
  }

  // An operand of a sum that a sum reads in place: a number, a coordinate or a term.
  static bool SumOperand(const Tfrec* t) {
    Source s;
    return (ReadLeaf(t, s) && (s.from == From::Constant || s.from == From::Coordinate)) || ReadTerm(t, s);
  }

  // A sum or difference of two such operands.
  static bool IsBinomial(const Tfrec* t) {
    return t && (t->code == node::Sum || t->code == node::Difference) && t->left && t->right &&
           SumOperand(t->left) && SumOperand(t->right);
  }

  // Whether the operand `t` of the frame's node is read in place: a leaf, a term of a sum,
  // or a binomial of a product or a quotient.
  static bool InPlace(const Tfrec* t, const Frame& f) {
    if (IsOperandLeaf(t)) return true;
    if (f.shape != Shape::Binary) return false;
    const int32_t code = f.node->code;
    Source unused;
    if (code == node::Sum || code == node::Difference) return ReadTerm(t, unused);
    return (code == node::Product || code == node::Quotient) && IsBinomial(t);
  }

  void CheckSubtree(const Tfrec* t) {
    if (!t) return;
    Check(t);
    CheckSubtree(t->left);
    CheckSubtree(t->right);
  }

  // The operand `t` of the frame's node, read in place.
  Source InPlaceFor(Tfrec* t, const Frame& f, bool isLeft) {
    Source leaf;
    if (IsBinomial(t) && f.node->code != node::Sum && f.node->code != node::Difference) return BinomialFor(t, f, isLeft);
    if (!IsOperandLeaf(t)) {
      CheckSubtree(t);
      ReadTerm(t, leaf);
      return leaf;
    }
    Check(t);
    ReadLeaf(t, leaf);
    const Crossings c = CrossingsOfOperand(f.node, f.shape, f.crossings, isLeft, facts_);
    leaf.crossing = leaf.from == From::Coordinate && c.zero;
    const bool history = leaf.crossing || ReadsOperandHistory(f.node, f.crossings);
    if (history) {
      Keep k;
      k.node = t;
      k.value = true;
      program_.keeps.push_back(k);
      leaf.slot = static_cast<int32_t>(program_.keeps.size() - 1);
    }
    return leaf;
  }

  // A binomial operand: its node is kept as an instruction's, its operands as a sum's.
  Source BinomialFor(Tfrec* t, const Frame& f, bool isLeft) {
    Check(t);
    const Crossings c = CrossingsOfOperand(f.node, f.shape, f.crossings, isLeft, facts_);
    Binomial b;
    b.node = t;
    b.subtract = t->code == node::Difference;
    b.crossing = c.zero;
    b.slot = SlotFor(t, Shape::Binary, c, &f);
    const Frame self{t, Shape::Binary, c};
    b.right = InPlaceFor(t->right, self, false);
    b.left = InPlaceFor(t->left, self, true);
    Source s;
    s.from = From::Binomial;
    s.node = t;
    s.hasRelation = t->hasRelation;
    s.binomial = static_cast<int32_t>(program_.binomials.size());
    program_.binomials.push_back(b);
    return s;
  }

  // An operand that is always defined: a leaf, a term, or a subtree without relations.
  static bool Defined(const Source& s) {
    if (s.from != From::Top && s.from != From::Below) return true;
    return !TreeFacts::Relation(s.node);
  }

  // An operand that is on the stack.
  static Source Stacked(From from, const Tfrec* t) {
    Source s;
    s.from = from;
    s.node = t;
    s.hasRelation = t->hasRelation;
    return s;
  }

  Instruction& Add(const Frame& f, const Source& left, const Source& right) {
    Instruction in;
    in.op = OpOf(f.node, f.shape);
    in.code = f.node->code;
    in.node = f.node;
    in.slot = f.slot;
    in.left = left;
    in.right = right;
    in.subtract = in.code == node::Difference;
    in.crossing = f.crossings.zero;
    in.defined = Defined(left) && Defined(right);
    in.shortPath = ShortPathOf(in);
    if (in.op == Op::Power && in.shortPath) in.exponent = static_cast<int64_t>(in.right.constant);
    in.stacking = std::exchange(stacking_, Stacking::None);
    program_.code.push_back(in);
    return program_.code.back();
  }

  // A product whose right operand may be undefined skips its left one then.
  void AddGuard(Frame& f) {
    if (f.node->code != node::Product || !facts_.Relation(f.node->right)) return;
    f.guard = static_cast<int32_t>(program_.code.size());
    Instruction in;
    in.op = Op::Guard;
    in.node = f.node;
    in.slot = f.slot;
    in.rightSlot = f.childSlot;
    in.skipSlots[0] = static_cast<int32_t>(program_.keeps.size());
    program_.code.push_back(in);
    ++guards_;
  }

  // The next instruction, the first of a left operand, holds the value on top.
  void Hold() {
    stacking_ = held_ == 0 ? Stacking::Hold : Stacking::Push;
    ++held_;
    if (held_ > maxHeld_) maxHeld_ = held_;
  }

  // The instruction just added took the held value back.
  void Release() {
    --held_;
    if (held_ > 0) program_.code.back().stacking = Stacking::Pop;
  }

  void Finish(Frame& f) {
    if (f.guard < 0) return;
    Instruction& guard = program_.code[f.guard];
    guard.skipTo = static_cast<int32_t>(program_.code.size());
    guard.skipSlots[1] = static_cast<int32_t>(program_.keeps.size());
  }

  // Post-order, right operand first, as the recursive evaluator visits the nodes; by a
  // loop, so that a deep tree does not become a deep recursion.
  bool Emit() {
    std::vector<Frame> frames;
    frames.reserve(32);
    size_t nodes = 0;
    auto visit = [&](Tfrec* t, const Frame* parent, bool isLeft) {
      const Shape shape = ShapeOf(t);
      if (shape == Shape::Unsupported || ++nodes > MaxProgramNodes) return false;
      Crossings c;
      if (parent) c = CrossingsOfOperand(parent->node, parent->shape, parent->crossings, isLeft, facts_);
      const int32_t slot = SlotFor(t, shape, c, parent);
      frames.push_back(Frame{t, shape, c});
      frames.back().slot = slot;
      return true;
    };
    if (!visit(root_, nullptr, false)) return false;
    while (!frames.empty()) {
      Frame& f = frames.back();
      Tfrec* t = f.node;
      if (f.stage == 0) Check(t);
      bool done = false;
      Tfrec* next = nullptr;
      bool nextIsLeft = false;
      switch (f.shape) {
        case Shape::Leaf: {
          Source leaf;
          ReadLeaf(t, leaf);
          leaf.crossing = leaf.from == From::Coordinate;
          Add(f, Source{}, leaf);
          done = true;
          break;
        }
        case Shape::Unary:
        case Shape::Factorial: {
          const bool unary = f.shape == Shape::Unary;
          Tfrec* operand = unary ? t->right : t->left;
          if (f.stage == 0 && IsOperandLeaf(operand)) {
            Add(f, Source{}, InPlaceFor(operand, f, !unary));
            done = true;
          } else if (f.stage == 0) {
            f.stage = 1;
            next = operand;
            nextIsLeft = !unary;
          } else {
            Add(f, Source{}, Stacked(From::Top, operand));
            done = true;
          }
          break;
        }
        case Shape::Binary: {
          const bool leftLeaf = InPlace(t->left, f), rightLeaf = InPlace(t->right, f);
          if (f.stage == 0) {
            if (rightLeaf && leftLeaf) {
              const Source r = InPlaceFor(t->right, f, false);
              Add(f, InPlaceFor(t->left, f, true), r);
              done = true;
            } else if (rightLeaf) {
              f.stage = 2;
              next = t->left;
              nextIsLeft = true;
            } else {
              f.stage = 1;
              next = t->right;
            }
          } else if (f.stage == 1) {
            // The right operand is on top.
            AddGuard(f);
            if (leftLeaf) {
              Add(f, InPlaceFor(t->left, f, true), Stacked(From::Top, t->right));
              Finish(f);
              done = true;
            } else {
              Hold();
              f.stage = 3;
              next = t->left;
              nextIsLeft = true;
            }
          } else if (f.stage == 2) {
            // The left operand is on top, the right one a leaf.
            Add(f, Stacked(From::Top, t->left), InPlaceFor(t->right, f, false));
            done = true;
          } else {
            // The left operand is on top, the right one below it.
            Add(f, Stacked(From::Top, t->left), Stacked(From::Below, t->right));
            Release();
            Finish(f);
            done = true;
          }
          break;
        }
        case Shape::Unsupported: return false;
      }
      if (done) {
        const int32_t slot = f.slot;
        frames.pop_back();
        if (!frames.empty()) frames.back().childSlot = slot;
      } else if (next) {
        const Frame parent = f;
        if (!visit(next, &parent, nextIsLeft)) return false;
      }
    }
    return true;
  }

  Tfrec* root_;
  TreeFacts facts_;
  Program program_;
  int held_ = 0;
  int maxHeld_ = 0;
  size_t guards_ = 0;
  Stacking stacking_ = Stacking::None;
};

}  // namespace

Program* CompileProgram(Tfrec* root) { return Compiler(root).Run(); }

}  // namespace evaluator

void ProgramCache::Release() {
  delete program;
  program = nullptr;
}
