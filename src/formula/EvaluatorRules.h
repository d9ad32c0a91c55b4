#pragma once
// The rules by which the evaluator combines operands: operators, powers, relations, the
// functions of two operands and the unary ones. Shared by the recursive evaluator, which
// applies them to tree nodes, and by compiled programs, which apply them to values held in
// registers: both read the same fields (validity, crossing flags, exact fraction, relation
// mark, the previous value) under the same names, so that they cannot compute differently.
//
// `Node` is the node a rule computes: it reads `code`, the old `valid` and `prevValue`, and
// sets `zeroCrossed`, `poleCrossed` and the exact fraction (`exact`, `num`, `den`). An
// `Operand` offers `valid`, `zeroCrossed`, `poleCrossed`, `exact`, `num`, `den`,
// `hasRelation` and `prevValue`, and TreeOf gives the tree node it stands for.
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "formula/DocumentState.h"
#include "formula/EvaluatorCore.h"
#include "formula/EvaluatorFunctions.h"
#include "formula/EvaluatorMath.h"
#include "formula/Fraction.h"
#include "formula/Numeric.h"
#include "formula/Simplifier.h"
#include "formula/Tfrec.h"

namespace evaluator {

inline const Tfrec* TreeOf(const Tfrec* t) { return t; }

// Adding 1.5 * 2^63 rounds a value below 2^62 to an integer (the default rounding mode).
[[gnu::always_inline]] inline bool IsIntegral(Extended v) {
  constexpr Extended shift = 0x1.8p63L;
  return (v + shift) - shift == v;
}

// IsSmallInteger without a library call: a whole value below 100000 in magnitude.
[[gnu::always_inline]] inline bool IsSmallWhole(Extended v) { return std::fabs(v) < 100000 && IsIntegral(v); }

template <class Operand>
TFraction FractionOf(const Operand* t) {
  return TFraction{t->exact, t->num, t->den};
}

template <class Node>
void SetExact(Node* t, const TFraction& f) {
  if (!IsExactFraction(f)) return;
  t->exact = 1;
  t->num = f.num;
  t->den = f.den;
}

// ---- operators --------------------------------------------------------------------------
//
// Each operator combines its operands at once and handles the common case inline; the rare
// cases (an undefined operand, an overflow, exact fractions, poles on both sides) go to a
// routine of their own. An 80-bit value kept across branches or calls would go to memory
// and back, which is slow.

// The value and validity of a sum or a difference. Between two relations "+" and "-" mean
// the union of the regions.
template <class Left, class Right>
[[gnu::always_inline]] inline Extended SumOrDifference(bool subtract, const Left* l, const Right* r, Extended L, Extended R, uint8_t& v) {
  const bool lv = l->valid, rv = r->valid;
  v = (l->hasRelation && r->hasRelation) ? (lv || rv) : (lv && rv);
  if (!lv && !rv) {
    v = 0;
    return 0;
  }
  if (!rv) return L;
  if (!lv) return subtract ? -R : R;
  return subtract ? L - R : L + R;
}

template <class Node, class Left, class Right>
[[gnu::noinline]] Extended AddOrSubtractRare(Node* t, const Left* l, const Right* r, Extended L, Extended R,
                                             uint8_t& v) {
  const bool subtract = t->code == node::Difference;
  const Extended result = SumOrDifference(subtract, l, r, L, R, v);
  if (l->valid && r->valid) {
    if (!xmath::IsFinite(result)) {
      eng.EvalOK = 0;
      return Huge * SignOf(L);
    }
    if (l->exact && r->exact) {
      TFraction f;
      FractionAddSub(FractionOf(l), FractionOf(r), subtract ? 1 : 0, f);
      SetExact(t, f);
    }
  }
  t->poleCrossed = l->poleCrossed | r->poleCrossed;
  if (!subtract) {
    if (t->poleCrossed) eng.LineContinues = 1;
    if (l->poleCrossed && r->poleCrossed && SignOf(L) * SignOf(R) < 0 &&
        std::fabs(L + R) < 1 / doc.PixelSizeX) {
      t->poleCrossed = 0;
      eng.LineContinues = 0;
    } else if (StoredSign(t->prevValue) * SignOf(result) <= 0) {
      t->zeroCrossed = 1;
    }
  } else {
    if (l->poleCrossed && r->poleCrossed && SignOf(L) == SignOf(R) &&
        std::fabs(t->prevValue - result) < 1 / doc.PixelSizeX)
      t->poleCrossed = 0;
    else if (StoredSign(t->prevValue) * SignOf(result) <= 0)
      t->zeroCrossed = 1;
  }
  return result;
}

// Without poles and exact fractions, the operands' validity decides the value at once.
template <class Node, class Left, class Right>
[[gnu::always_inline]] inline Extended AddOrSubtract(Node* t, const Left* l, const Right* r, Extended L,
                                                     Extended R, uint8_t& v) {
  if ((l->poleCrossed | r->poleCrossed) || (l->exact && r->exact)) return AddOrSubtractRare(t, l, r, L, R, v);
  const Extended result = SumOrDifference(t->code == node::Difference, l, r, L, R, v);
  if (!xmath::IsFinite(result)) return AddOrSubtractRare(t, l, r, L, R, v);
  if (StoredSign(t->prevValue) * SignOf(result) <= 0) t->zeroCrossed = 1;
  return result;
}

template <class Node, class Left, class Right>
[[gnu::noinline]] Extended MultiplyRare(Node* t, const Left* l, const Right* r, Extended L, Extended R) {
  const Extended result = L * R;
  if (!xmath::IsFinite(result)) {
    eng.EvalOK = 0;
    return Huge * (SignOf(L) * SignOf(R));
  }
  t->zeroCrossed = l->zeroCrossed | r->zeroCrossed;
  t->poleCrossed = l->poleCrossed | r->poleCrossed;
  if (t->zeroCrossed && t->poleCrossed) t->poleCrossed = 0;
  TFraction f;
  FractionMulDiv(FractionOf(l), FractionOf(r), 0, f);
  SetExact(t, f);
  return result;
}

template <class Node, class Left, class Right>
[[gnu::always_inline]] inline Extended Multiply(Node* t, const Left* l, const Right* r, Extended L, Extended R,
                                                uint8_t& v) {
  const Extended result = L * R;
  v = l->valid && r->valid;
  if ((l->exact && r->exact) || !xmath::IsFinite(result)) return MultiplyRare(t, l, r, L, R);
  t->zeroCrossed = l->zeroCrossed | r->zeroCrossed;
  t->poleCrossed = (l->poleCrossed | r->poleCrossed) & !t->zeroCrossed;
  return result;
}

// The crossings of a quotient from its operands', and whether the line breaks there.
struct QuotientCrossings {
  bool zero = false, pole = false, jump = false;
};

[[gnu::always_inline]] inline QuotientCrossings CrossingsOfQuotient(bool leftZero, bool leftPole, bool rightZero, bool rightPole) {
  QuotientCrossings c;
  if (leftPole) {
    c.jump = true;
    c.pole = !rightPole;
  } else if (rightPole) {
    c.zero = c.jump = true;
  } else if (leftZero) {
    if (rightZero)
      c.jump = true;
    else
      c.zero = true;
  } else if (rightZero) {
    c.pole = c.jump = true;
  }
  return c;
}

// Flags of a quotient from its operands'.
template <class Node, class Left, class Right>
inline void QuotientFlags(Node* t, const Left* l, const Right* r) {
  const QuotientCrossings c = CrossingsOfQuotient(l->zeroCrossed, l->poleCrossed, r->zeroCrossed, r->poleCrossed);
  if (c.zero) t->zeroCrossed = 1;
  if (c.pole) t->poleCrossed = 1;
  if (c.jump) eng.LineContinues = 1;
}

template <class Node, class Left, class Right>
[[gnu::noinline]] Extended DivideRare(Node* t, const Left* l, const Right* r, Extended L, Extended R) {
  if (R == 0) {
    eng.EvalOK = 0;
    eng.LineContinues = 1;
    return 0;
  }
  const Extended result = L / R;
  if (!xmath::IsFinite(result)) return RaiseFault();
  QuotientFlags(t, l, r);
  if (l->exact && r->exact) {
    TFraction f;
    FractionMulDiv(FractionOf(l), FractionOf(r), 1, f);
    SetExact(t, f);
  }
  return result;
}

template <class Node, class Left, class Right>
[[gnu::always_inline]] inline Extended Divide(Node* t, const Left* l, const Right* r, Extended L, Extended R,
                                              uint8_t& v) {
  v = l->valid && r->valid;
  if (R == 0) return DivideRare(t, l, r, L, R);
  const Extended result = L / R;
  if ((l->exact && r->exact) || !xmath::IsFinite(result)) return DivideRare(t, l, r, L, R);
  QuotientFlags(t, l, r);
  return result;
}

// base^n for a whole n from 1 to 99999, inline (a call would pass the base through memory),
// with the products in the order PowerPositiveInt forms them.
[[gnu::always_inline]] inline Extended WholePower(Extended base, int64_t n) {
  if (n == 2) return base * base;
  if (n == 3) return base * (base * base);
  return PowerBySquaring(base, n);
}

// Flags of a power from its base: copied, or swapped for a negative exponent.
template <class Node, class Operand>
void PowerFlags(Node* t, const Operand* base, bool swapped) {
  if (swapped) {
    t->poleCrossed = base->zeroCrossed;
    t->zeroCrossed = base->poleCrossed;
    if (t->poleCrossed) eng.LineContinues = 1;
  } else {
    t->zeroCrossed = base->zeroCrossed;
    t->poleCrossed = base->poleCrossed;
  }
}

// |value|^n as an exact fraction part, or -1 beyond the fraction limit.
inline int64_t ExactPower(int64_t value, int64_t n) {
  int64_t result = 1;
  for (int64_t k = 0; k < n; ++k) {
    result *= value;
    if (std::llabs(result) > kFractionLimit) return -1;
  }
  return result;
}

template <class Node, class Operand>
void ExactIntegerPower(Node* t, const Operand* base, int64_t n) {
  if (!base->exact) return;
  const bool reciprocal = n < 0;
  const int64_t m = reciprocal ? -n : n;
  const int64_t num = ExactPower(std::llabs(base->num), m);
  const int64_t den = ExactPower(base->den, m);
  if (num < 0 || den < 0) return;
  const int64_t sign = (base->num < 0 && (m & 1)) ? -1 : 1;
  SetExact(t, reciprocal ? MakeFraction(sign * den, num) : MakeFraction(sign * num, den));
}

template <class Node, class Left, class Right>
[[gnu::noinline]] Extended PowerRare(Node* t, const Left* l, const Right* r, Extended L, Extended R) {
  if (IsSmallWhole(R)) {
    const int64_t n = WholeToInt(R);
    if (n < 0) {
      PowerFlags(t, l, true);
      if (L == 0) {
        t->poleCrossed = 1;
        eng.LineContinues = 1;
        eng.EvalOK = 0;
        return 0;
      }
      const Extended p = WholePower(L, -n);
      if (!xmath::IsFinite(p) || p == 0) return RaiseFault();
      if (l->exact) ExactIntegerPower(t, l, n);
      const Extended reciprocal = 1 / p;
      return xmath::IsFinite(reciprocal) ? reciprocal : RaiseFault();
    }
    if (n == 0) {
      SetExact(t, MakeFraction(1, 1));
      return 1;
    }
    PowerFlags(t, l, false);
    if (L == 0) {
      t->zeroCrossed = 1;
      SetExact(t, MakeFraction(0, 1));
      return 0;
    }
    const Extended p = WholePower(L, n);
    if (!xmath::IsFinite(p)) return RaiseFault();
    if (l->exact) ExactIntegerPower(t, l, n);
    return p;
  }
  if (L < 0) {
    // Only odd roots of a negative base are real: the exponent must be written as a
    // quotient of integers with an odd denominator, possibly negated (-2/3 reads as
    // -(2/3)).
    const Tfrec* e = TreeOf(r);
    while (e->code == node::Negate && e->right) e = e->right;
    if (!IsIntegerFraction(e)) {
      eng.EvalOK = 0;
      return 0;
    }
    const Extended numerator = NumberNodeValue(e->left);
    const Extended denominator = NumberNodeValue(e->right);
    if (IsEven(denominator)) {
      eng.EvalOK = 0;
      return 0;
    }
    PowerFlags(t, l, R < 0);
    const Extended p = PowerReal(L, R);
    return IsEven(numerator) ? p : -p;
  }
  if (L == 0) {
    if (R > 0) {
      t->zeroCrossed = 1;
      return 0;
    }
    t->poleCrossed = 1;
    eng.LineContinues = 1;
    eng.EvalOK = 0;
    return 0;
  }
  PowerFlags(t, l, false);
  return PowerReal(L, R);
}

template <class Node, class Left, class Right>
[[gnu::always_inline]] inline Extended Power(Node* t, const Left* l, const Right* r, Extended L, Extended R,
                                             uint8_t& v) {
  // An undefined base or exponent leaves the power undefined, as it does every other
  // operator.
  v = l->valid && r->valid;
  // The common case inline: a whole exponent from 1 to 99999 of a base that is not 0 and
  // carries no exact fraction.
  if (R > 0 && R < 100000 && IsIntegral(R) && L != 0 && !l->exact) {
    PowerFlags(t, l, false);
    const Extended p = WholePower(L, WholeToInt(R));
    return xmath::IsFinite(p) ? p : RaiseFault();
  }
  return PowerRare(t, l, r, L, R);
}

// ---- relations --------------------------------------------------------------------------

template <class Node, class Left, class Right>
[[gnu::always_inline]] inline Extended Relation(Node* t, const Left* l, const Right* r, Extended L, Extended R,
                                                uint8_t& v) {
  // Compared at once. The sign of L - R is that of the comparison (0 where L - R is NaN).
  const bool greater = L > R, less = L < R, equal = L == R, atLeast = L >= R, atMost = L <= R;
  const bool both = l->valid && r->valid;
  bool truth;
  switch (t->code) {
    case node::Greater: truth = both && greater; break;
    case node::Less: truth = both && less; break;
    case node::Equal:
      truth = both && (equal || (eng.PlotMode && SignOf(l->prevValue - r->prevValue) * (greater - less) < 0));
      break;
    case node::GreaterEqual: truth = both && atLeast; break;
    case node::LessEqual: truth = both && atMost; break;
    case node::NotEqual: truth = both && !equal; break;
    case node::And: truth = both; break;
    case node::Or: truth = l->valid || r->valid; break;
    default: truth = false; break;
  }
  if (t->code != node::And && t->code != node::Or && t->valid != truth) eng.ValidityChanged = 1;
  v = truth;
  return truth ? 1 : 0;
}

// ---- the operators of two operands and the unary ones ----------------------------------

// log_L R, for trees that keep the written form.
inline Extended LogWithBase(Extended L, Extended R) {
  if (L <= 0 || R <= 0) {
    eng.EvalOK = 0;
    return 0;
  }
  if (L == 1) {
    eng.EvalOK = 0;
    eng.LineContinues = 1;
    return 0;
  }
  return xmath::Log(R) / xmath::Log(L);
}

// The operators of two operands. Every rule gives a finite value or raises the fault.
template <class Node, class Left, class Right>
[[gnu::always_inline]] inline Extended Combine(Node* t, const Left* l, const Right* r, Extended L, Extended R,
                                               uint8_t& v) {
  const int32_t code = t->code;
  // The arithmetic operators, the common case, before the other codes.
  if (code == node::Sum || code == node::Difference) return AddOrSubtract(t, l, r, L, R, v);
  if (code == node::Product) return Multiply(t, l, r, L, R, v);
  if (code == node::Quotient) return Divide(t, l, r, L, R, v);
  if (code == node::Power) return Power(t, l, r, L, R, v);
  if (node::IsRelation(code)) return Relation(t, l, r, L, R, v);
  switch (code) {
    case node::Combinations:
      v = l->valid && r->valid;
      return Combinations(L, R);
    case node::Permutations:
      v = l->valid && r->valid;
      return Permutations(L, R);
    case node::Max:
      v = l->valid && r->valid;
      return R >= L ? R : L;
    case node::Min:
      v = l->valid && r->valid;
      return R >= L ? L : R;
    case node::IndexRangeI:
      // The index range of a Sum evaluated on its own.
      SetIndexCellToOne();
      return 1;
    case node::LogBase:
      v = l->valid && r->valid;
      return LogWithBase(L, R);
    default:
      return 0;
  }
}

template <class Node, class Operand>
[[gnu::always_inline]] inline Extended Unary(Node* t, const Operand* r, Extended R, uint8_t& v) {
  v = r->valid;
  if (!v) return 0;
  switch (t->code) {
    case node::Negate:
      t->zeroCrossed = r->zeroCrossed;
      t->poleCrossed = r->poleCrossed;
      if (r->exact) SetExact(t, MakeFraction(-int64_t{r->num}, r->den));
      return -R;
    case node::Identity:
      t->zeroCrossed = r->zeroCrossed;
      t->poleCrossed = r->poleCrossed;
      if (r->exact) SetExact(t, FractionOf(r));
      return R;
    default:
      return EvaluateFunction(t, r, R);
  }
}

template <class Operand>
Extended Factorial(const Operand* l, Extended L, uint8_t& v) {
  v = l->valid;
  if (L < 0) {
    eng.EvalOK = 0;
    return 0;
  }
  if (L == 0) return 1;
  return Permutations(L, L);
}

}  // namespace evaluator
