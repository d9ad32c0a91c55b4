#include "formula/Differentiate.h"

#include "formula/DocumentState.h"
#include "formula/EvalHelpers.h"
#include "formula/Parser.h"
#include "formula/Simplifier.h"
#include "formula/TreeKernel.h"
#include "formula/TreeText.h"
#include "platform/StackRoom.h"

namespace {

// The node count at the start of the outermost Differentiate, the nodes it may build, and
// whether they ran out; it recurses no deeper than the stack either.
struct Budget {
  int depth = 0;
  uint64_t start = 0;
  uint64_t limit = 0;
  bool exceeded = false;
  bool Spent() {
    if (!exceeded && (TreeNodesMade() - start > limit || stackroom::Low())) exceeded = true;
    return exceeded;
  }
};
Budget budget;

// Every node of a derivative is built as a symbolic (mode 2) node.
constexpr int Symbolic = 2;

Tfrec* Num(Extended v) { return NewNumberNode(Symbolic, v); }
Tfrec* Copy(const Tfrec* t) { return CloneTree(t, Symbolic).release(); }
Tfrec* Bin(int32_t code, Tfrec* l, Tfrec* r) { return NewBinaryNode(code, l, r, Symbolic); }
Tfrec* Un(int32_t code, Tfrec* operand) { return NewUnaryNode(code, operand, Symbolic); }
Tfrec* Mul(Tfrec* l, Tfrec* r) { return Bin(node::Product, l, r); }
Tfrec* Neg(Tfrec* t) { return Un(node::Negate, t); }
Tfrec* Squared(const Tfrec* t) { return Bin(node::Power, Copy(t), Num(2)); }
Tfrec* Ln(const Tfrec* t) { return Un(node::Log, Copy(t)); }

bool IsNumber(const Tfrec* t) { return t && t->code == node::Number; }
bool IsNumber(const Tfrec* t, Extended v) { return IsNumber(t) && t->value == v; }
bool IsChainRelation(const Tfrec* t) { return t && node::IsRelation(t->code); }

// An operand with its derivative, and the class the shortcut rules look at: 0 to 4 the
// derivative is 0 (the operand is the number 0, 1, 2, another number, an expression),
// 5 the derivative is the number 1, 6 another number, 7 an expression.
struct Operand {
  const Tfrec* t;
  TreePtr d;
  int cls;

  Operand(const Tfrec* tree, int32_t var) : t(tree), d(DifferentiateNode(tree, var)) {
    if (IsNumber(d.get(), 0))
      cls = IsNumber(t, 0) ? 0 : IsNumber(t, 1) ? 1 : IsNumber(t, 2) ? 2 : IsNumber(t) ? 3 : 4;
    else
      cls = IsNumber(d.get(), 1) ? 5 : IsNumber(d.get()) ? 6 : 7;
  }
  bool varies() const { return cls >= 5; }
  bool unitSlope() const { return cls == 5; }
  Tfrec* take() { return d.release(); }
  Tfrec* copy() const { return Copy(t); }
};

Tfrec* SumRule(const Tfrec* t, int32_t var) {
  Operand u(t->left, var), v(t->right, var);
  const bool subtract = t->code == node::Difference;
  if (u.varies() && v.varies()) return Bin(t->code, u.take(), v.take());
  if (u.varies()) return u.take();
  if (v.varies()) return subtract ? Neg(v.take()) : v.take();
  return Num(0);
}

Tfrec* ProductRule(const Tfrec* t, int32_t var) {
  const Tfrec* rv = t->right;
  // A condition as the right factor keeps the domain: only the left factor is derived.
  if (rv->code == node::Product && IsChainRelation(rv->left) && IsChainRelation(rv->right)) {
    TreePtr du(DifferentiateNode(t->left, var));
    return Mul(du.release(), Copy(rv));
  }
  if (IsChainRelation(rv)) {
    if (IsChainRelation(t->left)) return Mul(Num(0), Copy(t));
    TreePtr du(DifferentiateNode(t->left, var));
    return Mul(du.release(), Copy(rv));
  }
  Operand u(t->left, var), v(t->right, var);
  if ((!u.varies() && !v.varies()) || IsNumber(u.t, 0) || IsNumber(v.t, 0)) return Num(0);
  if (IsNumber(u.t, 1)) return v.take();
  if (IsNumber(v.t, 1)) return u.take();
  if (!v.varies()) return Mul(v.copy(), u.take());
  if (!u.varies()) return Mul(u.copy(), v.take());
  if (u.unitSlope() && v.unitSlope()) return Bin(node::Sum, v.copy(), u.copy());
  if (u.unitSlope()) return Bin(node::Sum, v.copy(), Mul(u.copy(), v.take()));
  if (v.unitSlope()) return Bin(node::Sum, Mul(v.copy(), u.take()), u.copy());
  return Bin(node::Sum, Mul(u.take(), v.copy()), Mul(u.copy(), v.take()));
}

Tfrec* QuotientRule(const Tfrec* t, int32_t var) {
  Operand u(t->left, var), v(t->right, var);
  if (IsNumber(u.t, 0) || (!u.varies() && !v.varies())) return Num(0);
  if (!v.varies()) return Bin(node::Quotient, u.take(), v.copy());
  if (!u.varies()) {
    Tfrec* top = IsNumber(u.t, 1) ? v.take() : Mul(u.copy(), v.take());
    return Neg(Bin(node::Quotient, top, Squared(v.t)));
  }
  Tfrec* top = Bin(node::Difference, Mul(u.take(), v.copy()), Mul(u.copy(), v.take()));
  return Bin(node::Quotient, top, Squared(v.t));
}

Tfrec* PowerRule(const Tfrec* t, int32_t var) {
  Operand u(t->left, var), v(t->right, var);
  if (IsNumber(u.t, 0) || IsNumber(u.t, 1) || IsNumber(v.t, 0)) return Num(0);
  if (!u.varies() && !v.varies()) return Num(0);
  if (IsNumber(v.t, 1)) return u.take();
  auto power = [&] { return Bin(node::Power, u.copy(), v.copy()); };
  if (!v.varies()) {
    // c u^(c-1) u', with c - 1 folded when c is a number.
    Tfrec* lowered;
    Tfrec* factor;
    if (IsNumber(v.t, 2)) {
      lowered = u.copy();
      factor = Num(2);
    } else if (IsNumber(v.t)) {
      lowered = Bin(node::Power, u.copy(), Num(v.t->value - 1));
      factor = Num(v.t->value);
    } else {
      lowered = Bin(node::Power, u.copy(), Bin(node::Difference, v.copy(), Num(1)));
      factor = v.copy();
    }
    if (u.unitSlope()) return Mul(factor, lowered);
    return Mul(Mul(factor, u.take()), lowered);
  }
  if (!u.varies()) {
    if (v.unitSlope()) return Mul(Ln(u.t), power());
    return Mul(Mul(Ln(u.t), v.take()), power());
  }
  // (v' ln u + v u'/u) u^v
  Tfrec* logTerm = v.unitSlope() ? Ln(u.t) : Mul(v.take(), Ln(u.t));
  Tfrec* ratio = u.unitSlope() ? Bin(node::Quotient, v.copy(), u.copy())
                               : Mul(v.copy(), Bin(node::Quotient, u.take(), u.copy()));
  return Mul(Bin(node::Sum, logTerm, ratio), power());
}

// d/dx f(v) = v' f'(v); `outer` is f'(v), taken over.
Tfrec* Chain(Operand& v, Tfrec* outer) {
  if (v.unitSlope()) return outer;
  return Mul(v.take(), outer);
}

Tfrec* FunctionRule(const Tfrec* t, int32_t var) {
  const Tfrec* w = t->right;
  // log|w| has the derivative w'/w.
  if (t->code == node::Log && w->code == node::Abs) {
    Operand inner(w->right, var);
    if (IsNumber(inner.d.get(), 0)) return Num(0);
    return Bin(node::Quotient, inner.take(), Copy(w->right));
  }
  Operand v(w, var);
  if (IsNumber(v.d.get(), 0)) return Num(0);
  auto of = [&](int32_t code) { return Un(code, v.copy()); };
  auto over = [&](Tfrec* denominator) { return Bin(node::Quotient, v.take(), denominator); };
  switch (t->code) {
    case node::Negate: return Neg(v.take());
    case node::Identity:
    case node::Frac: return v.take();
    case node::Sin: return Chain(v, of(node::Cos));
    case node::Cos: return Neg(Chain(v, of(node::Sin)));
    case node::Tan: return Chain(v, Bin(node::Power, of(node::Sec), Num(2)));
    case node::Sec: return Chain(v, Mul(of(node::Sin), Bin(node::Power, of(node::Sec), Num(2))));
    case node::Cosec: return Neg(Chain(v, Mul(of(node::Cos), Bin(node::Power, of(node::Cosec), Num(2)))));
    case node::Cotan: return Neg(Chain(v, Bin(node::Power, of(node::Cosec), Num(2))));
    case node::Arctn: return over(Bin(node::Sum, Num(1), Squared(w)));
    case node::Log: return over(Copy(w));
    case node::Exp: return Chain(v, Copy(t));
    case node::Sqrt: return over(Mul(Num(2), of(node::Sqrt)));
    case node::Abs: return Chain(v, of(node::Sgn));
    case node::Sinh: return Chain(v, of(node::Cosh));
    case node::Cosh: return Chain(v, of(node::Sinh));
    case node::Arcsin: return over(Un(node::Sqrt, Bin(node::Difference, Num(1), Squared(w))));
    case node::Arccos: return Neg(over(Un(node::Sqrt, Bin(node::Difference, Num(1), Squared(w)))));
    case node::Tanh: return over(Bin(node::Power, of(node::Cosh), Num(2)));
    case node::Arsinh: return over(Un(node::Sqrt, Bin(node::Sum, Squared(w), Num(1))));
    case node::Arcosh: return over(Un(node::Sqrt, Bin(node::Difference, Squared(w), Num(1))));
    case node::Artanh: return over(Bin(node::Difference, Num(1), Squared(w)));
    default: return Num(0);  // sgn, gaus, arg, angle, round, int, roundc, intc, rnd
  }
}

Tfrec* ExtremeRule(const Tfrec* t, int32_t var) {
  TreePtr du(Differentiate(t->left, var));
  TreePtr dv(Differentiate(t->right, var));
  if (IsNumber(du.get(), 0) && IsNumber(dv.get(), 0)) return Num(0);
  // Each term is undefined where its condition fails; the sum takes the defined one.
  Tfrec* greater = Bin(node::Greater, Copy(t->left), Copy(t->right));
  Tfrec* less = Bin(node::Less, Copy(t->left), Copy(t->right));
  if (t->code == node::Max) return Bin(node::Sum, Mul(du.release(), greater), Mul(dv.release(), less));
  return Bin(node::Sum, Mul(dv.release(), greater), Mul(du.release(), less));
}

// Replaces the free occurrences of the variable by copies of the bound: an inner integral
// over the same variable binds its own, only its bounds are free.
void SubstituteFree(Tfrec*& tree, int32_t variable, const Tfrec* bound) {
  if (stackroom::Low()) return;  // the budget reports the derivative as too large
  for (Tfrec** slot = &tree; *slot; slot = &(*slot)->left) {
    Tfrec* t = *slot;
    if (t->code == variable) {
      DisposeTree(*slot);
      *slot = Copy(bound);
      return;
    }
    const bool binds = t->code == node::Integral && t->right && t->right->left && t->right->left->code == variable;
    if (!binds) SubstituteFree(t->right, variable, bound);
  }
}

// f with its integration variable replaced by a copy of the bound.
Tfrec* IntegrandAt(const Tfrec* integrand, int32_t variable, const Tfrec* bound) {
  Tfrec* f = Copy(integrand);
  SubstituteFree(f, variable, bound);
  return f;
}

// The derivative of the integrand may be zero over the view; evaluating it must not change
// the verdict of a parse that asked for the derivative.
bool IntegrandTermNeeded(Tfrec*& g, int32_t integrationVariable) {
  if (IsNumber(g, 0)) return false;
  // Sampling along x cannot see an integrand that varies with its own variable.
  if (TreeContainsCode(g, integrationVariable)) return true;
  const uint8_t parseOK = eng.ParseOK;
  const int32_t parseErrorPos = eng.ParseErrorPos;
  const bool needed = NonZeroInView(g, 1);
  eng.ParseOK = parseOK;
  eng.ParseErrorPos = parseErrorPos;
  return needed;
}

Tfrec* IntegralRule(const Tfrec* t, int32_t var) {
  const Tfrec* ranges = t->left;
  const Tfrec* pair = t->right;
  if (!ranges || !ranges->left || !ranges->left->left || !ranges->left->right || !pair || !pair->left ||
      !pair->right)
    return Num(0);
  const Tfrec* lo = ranges->left->left;
  const Tfrec* hi = ranges->left->right;
  const int32_t variable = pair->left->code;
  const Tfrec* f = pair->right;
  // Leibniz: hi' f(hi) - lo' f(lo) + the integral of df/dx.
  TreePtr dhi(Differentiate(hi, var));
  TreePtr dlo(Differentiate(lo, var));
  Tfrec* a = IsNumber(dhi.get(), 0) ? nullptr : Mul(dhi.release(), IntegrandAt(f, variable, hi));
  Tfrec* b = IsNumber(dlo.get(), 0) ? nullptr : Mul(dlo.release(), IntegrandAt(f, variable, lo));
  Tfrec* result = a && b ? Bin(node::Difference, a, b) : b ? Neg(b) : a ? a : Num(0);
  TreePtr g(Differentiate(f, var));
  Tfrec* gTree = g.get();
  if (IntegrandTermNeeded(gTree, variable)) {
    Tfrec* integral = Bin(node::Integral, Copy(ranges), Bin(node::Pair, Copy(pair->left), g.release()));
    result = Bin(node::Sum, result, integral);
  }
  return result;
}

}  // namespace

Tfrec* DifferentiateNode(const Tfrec* t, int32_t var) {
  if (!t || budget.Spent()) return Num(0);
  if (!t->left && !t->right) return Num(t->code == var ? 1 : 0);
  // A relation differentiates to 0 on its own domain.
  if (node::IsRelation(t->code)) return Mul(Num(0), Copy(t));
  switch (t->code) {
    case node::Sum:
    case node::Difference: return t->left && t->right ? SumRule(t, var) : Num(0);
    case node::Product: return t->left && t->right ? ProductRule(t, var) : Num(0);
    case node::Quotient: return t->left && t->right ? QuotientRule(t, var) : Num(0);
    case node::Power: return t->left && t->right ? PowerRule(t, var) : Num(0);
    case node::LogBase: {
      // log_b a = log a / log b.
      TreePtr rewritten = CloneTree(t, Symbolic);
      RewriteLogBase(InPlace(rewritten));
      return DifferentiateNode(rewritten.get(), var);
    }
    case node::SumForm:
      if (!t->left || !t->right) return Num(0);
      return Bin(node::SumForm, Copy(t->left), DifferentiateNode(t->right, var));
    case node::Max:
    case node::Min: return t->left && t->right ? ExtremeRule(t, var) : Num(0);
    case node::Integral: return IntegralRule(t, var);
    default:
      if (t->right && ((t->code >= node::Negate && t->code <= node::Rnd) || t->code == node::Roundc ||
                       t->code == node::Intc))
        return FunctionRule(t, var);
      return Num(0);  // C, P, the factorial, multi, MaxV, MinV and the structural nodes
  }
}

TreePtr Differentiate(const Tfrec* tree, int32_t variableCode, uint64_t maxNodes) {
  if (budget.depth++ == 0) {
    budget.start = TreeNodesMade();
    budget.limit = maxNodes;
    budget.exceeded = false;
  }
  TreePtr d(DifferentiateNode(tree, variableCode));
  const bool tooLarge = budget.Spent();
  --budget.depth;
  if (tooLarge) return nullptr;
  SimplifyTree(InPlace(d), Symbolic);
  return d;
}

void DifferentiateFormulaText(const std::string& text, int32_t variableCode, std::string& result) {
  result.clear();
  TreePtr tree = ParseExpression(text, 2);
  if (!eng.ParseOK || !tree) return;
  SimplifyTree(InPlace(tree), Symbolic);
  RewriteLogBase(InPlace(tree));
  TreePtr d = Differentiate(tree.get(), variableCode);
  SimplifyTree(InPlace(d), Symbolic);
  if (d) ExpressionTreeToText(d.get(), result);
}
