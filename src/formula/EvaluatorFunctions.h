#pragma once
// The evaluator's one-argument functions, with their domain errors and the zero, pole and
// jump flags the curve samplers read. Part of the evaluator's rules (EvaluatorRules.h), and
// inlined: an 80-bit argument passed to a call goes through memory.
#include <cfloat>
#include <cmath>
#include <cstdlib>

#include "formula/DocumentState.h"
#include "formula/EvaluatorCore.h"
#include "formula/EvaluatorMath.h"
#include "formula/Fraction.h"
#include "formula/Numeric.h"
#include "platform/Runtime.h"

namespace evaluator {

namespace functions {

// exp beyond this gives the constant 1.0E4932.
constexpr Extended ExpClamp = 4932;
// exp below the smallest normal value gives this denormal constant.
constexpr Extended ExpUnderflow = 3e-4932L;

template <class Node, class Operand>
inline void CopyFlags(Node* t, const Operand* operand) {
  t->zeroCrossed = operand->zeroCrossed;
  t->poleCrossed = operand->poleCrossed;
}

inline Extended DomainError() {
  eng.EvalOK = 0;
  return 0;
}

template <class Node>
inline void MarkPole(Node* t) {
  t->poleCrossed = 1;
  eng.LineContinues = 1;
}

// Sinh and Cosh, (e^x - e^-x)/2 and (e^x + e^-x)/2, with the evaluator's exp.
inline Extended HyperbolicSine(Extended x) { return (xmath::Exp(x) - xmath::Exp(-x)) / 2; }
inline Extended HyperbolicCosine(Extended x) { return (xmath::Exp(x) + xmath::Exp(-x)) / 2; }

// The sign of sin (or cos) of the operand's previous value, with the argument reduced again.
// The operand is read from its node: an 80-bit argument would pass through memory anyway.
template <class Operand>
[[gnu::noinline]] int ReducedPreviousSign(const Operand* operand, bool sine) {
  int sinSign, cosSign;
  xmath::SinCosSigns(operand->prevValue, sinSign, cosSign);
  return sine ? sinSign : cosSign;
}

// The sign of sin (or cos) of the operand's previous value. A node that was valid last time
// stored exactly that function of exactly that value, so its previous value has the sign;
// only otherwise is the argument reduced again. Asked before the function is computed, so
// that its value is not held across a call.
template <class Node, class Operand>
inline int PreviousSign(const Node* t, const Operand* operand, bool sine) {
  if (t->valid) return StoredSign(t->prevValue);
  return ReducedPreviousSign(operand, sine);
}

}  // namespace functions

// The value of a one-argument function (codes 8 to 34, 41, 42) of the operand value R;
// sets the node's flags, `LineContinues` and, on a domain error, `EvalOK`.
template <class Node, class Operand>
[[gnu::always_inline]] inline Extended EvaluateFunction(Node* t, const Operand* operand, Extended R) {
  using namespace functions;
  const Extended prev = operand->prevValue;
  switch (t->code) {
    case node::Sin: {
      const int before = PreviousSign(t, operand, true);
      const Extended s = xmath::Sin(R);
      if (before * SignOf(s) <= 0) t->zeroCrossed = 1;
      return s;
    }
    case node::Cos: {
      const int before = PreviousSign(t, operand, false);
      const Extended c = xmath::Cos(R);
      if (before * SignOf(c) <= 0) t->zeroCrossed = 1;
      return c;
    }
    case node::Tan:
    case node::Sec:
    case node::Cosec:
    case node::Cotan: {
      Extended s, c;
      xmath::SinCos(R, s, c);
      int prevSin, prevCos;
      xmath::SinCosSigns(prev, prevSin, prevCos);
      const bool sinesChange = prevSin * SignOf(s) <= 0;
      const bool cosinesChange = prevCos * SignOf(c) <= 0;
      switch (t->code) {
        case node::Tan:
          if (cosinesChange) MarkPole(t);
          if (sinesChange) t->zeroCrossed = 1;
          return c == 0 ? DomainError() : s / c;
        case node::Sec:
          if (cosinesChange) MarkPole(t);
          return c == 0 ? DomainError() : 1 / c;
        case node::Cosec:
          if (sinesChange) MarkPole(t);
          return s == 0 ? DomainError() : 1 / s;
        default:
          if (sinesChange) MarkPole(t);
          if (prevCos * SignOf(c) < 0) t->zeroCrossed = 1;
          return s == 0 ? DomainError() : c / s;
      }
    }
    case node::Arctn: return xmath::Atan(R);
    case node::Log:
      if (R <= 0) {
        if (prev > 0) t->poleCrossed = 1;
        return DomainError();
      }
      t->poleCrossed = operand->poleCrossed || operand->zeroCrossed || (prev <= 0 && 0 < R);
      if (R != 1 && SignOf(prev - 1) * SignOf(R - 1) < 0) t->zeroCrossed = 1;
      return xmath::Log(R);
    case node::Exp: {
      t->poleCrossed = operand->poleCrossed;
      if (R > ExpClamp) return Huge;
      const Extended e = xmath::Exp(R);
      return e < LDBL_MIN ? ExpUnderflow : e;
    }
    case node::Sqrt:
      CopyFlags(t, operand);
      return R < 0 ? DomainError() : std::sqrt(R);
    case node::Abs:
      CopyFlags(t, operand);
      if (operand->exact) {
        t->exact = 1;
        t->num = std::abs(operand->num);
        t->den = operand->den;
      }
      return std::fabs(R);
    case node::Sgn: {
      const Extended result = SignOf(R);
      if (R == 0) t->zeroCrossed = 1;
      if (result != t->prevValue) eng.LineContinues = 1;
      return result;
    }
    case node::Gaus: {
      CopyFlags(t, operand);
      const Extended result = Floor(R);
      if (result != t->prevValue) eng.LineContinues = 1;
      return result;
    }
    case node::Sinh:
      if (StoredSign(operand->prevValue) * SignOf(R) <= 0) t->zeroCrossed = 1;
      return HyperbolicSine(R);
    case node::Cosh: return HyperbolicCosine(R);
    case node::Arcsin: return ArcSin(R);
    case node::Arccos: return ArcCos(R);
    case node::Tanh:
      // Beyond 40 the quotient is +-1 to the last bit; computing it would overflow.
      if (std::fabs(R) >= 40) return SignOf(R);
      return HyperbolicSine(R) / HyperbolicCosine(R);
    case node::Arsinh: {
      // ln(R + sqrt(R*R + 1)), written for negative R without the cancellation.
      const Extended a = std::fabs(R);
      return SignOf(R) * xmath::Log(a + std::sqrt(a * a + 1));
    }
    case node::Arcosh:
      if (R < 1) return DomainError();
      return xmath::Log(R + std::sqrt(R * R - 1));
    case node::Artanh:
      if (std::fabs(R) >= 1) {
        if (std::fabs(prev) < 1) t->poleCrossed = 1;
        return DomainError();
      }
      if (std::fabs(prev) >= 1) t->poleCrossed = 1;
      return xmath::Log((1 + R) / (1 - R)) / 2;
    case node::Round:
    case node::Roundc: {
      CopyFlags(t, operand);
      const Extended result = rtl::RoundToEven(R);
      if (t->code == node::Round && result != t->prevValue) eng.LineContinues = 1;
      return result;
    }
    case node::Int:
    case node::Intc:
    case node::Frac: {
      CopyFlags(t, operand);
      const Extended whole = std::trunc(R);
      const Extended result = t->code == node::Frac ? R - whole : whole;
      if (t->code != node::Intc && std::fabs(result - t->prevValue) > 0.9L) eng.LineContinues = 1;
      return result;
    }
    case node::Rnd: return RandomUnit() * R;
    default: return 0;
  }
}

}  // namespace evaluator
