#pragma once
// Internals shared by the evaluator's source files: the recursive core, the fault that
// stands for the original runtime's floating-point exceptions, and the rules kept apart
// (angle forms, numeric integrals).
#include <cmath>
#include <cstdint>
#include <cstring>

#include "formula/DocumentState.h"
#include "formula/Tfrec.h"
#include "platform/Extended.h"

namespace evaluator {

// The point of an evaluation, referring to the caller's values: copying 80-bit values is
// slow.
struct EvalPoint {
  const Extended& x;
  const Extended& y;
  const Extended& z;
};

// 1.0E4932, the value that stands for an overflow caught at a node.
inline constexpr Extended Huge = 1e4932L;

inline constexpr Extended EulerNumber = 2.71828182845904523536028747135266250L;

// Exactness is kept only for small integers and is dropped beyond this part size.
inline constexpr Extended ExactLimit = 10000;

[[gnu::always_inline]] inline int SignOf(Extended v) { return (v > 0) - (v < 0); }

// Copies an 80-bit value as bytes: x87 loads and stores of the 80-bit format are slow.
[[gnu::always_inline]] inline void CopyExtended(Extended& to, const Extended& from) { std::memcpy(&to, &from, 10); }

// A whole value as an integer, in the default rounding mode: a C cast would switch the
// x87 control word to truncation and back, which stalls.
[[gnu::always_inline]] inline int64_t WholeToInt(Extended v) {
  int64_t out;
  asm("fistpll %0" : "=m"(out) : "t"(v) : "st");
  return out;
}

// SignOf of a value in memory, read from its bytes without loading it: the 64-bit
// significand is 0 only for zero, and the sign is the top bit of the last byte.
[[gnu::always_inline]] inline int StoredSign(const Extended& v) {
  uint64_t significand;
  unsigned char top;
  std::memcpy(&significand, &v, 8);
  std::memcpy(&top, reinterpret_cast<const unsigned char*>(&v) + 9, 1);
  if (significand == 0) return 0;
  return (top & 0x80) ? -1 : 1;
}

// A value in memory is neither infinite nor NaN: its exponent field is not all ones.
[[gnu::always_inline]] inline bool StoredFinite(const Extended& v) {
  uint16_t signAndExponent;
  std::memcpy(&signAndExponent, reinterpret_cast<const unsigned char*>(&v) + 8, 2);
  return (signAndExponent & 0x7FFF) != 0x7FFF;
}

// The recursive core: evaluates the node and its children at the point, leaving values,
// validity and flags in the tree. Stops at once while a fault is pending.
Extended Evaluate(Tfrec* t, const EvalPoint& at);

// An operation the original runtime would have trapped (overflow, division by zero, an
// invalid operation): the whole evaluation is abandoned and EvaluateTree reports it.
Extended RaiseFault();
inline bool faultPending = false;

// Sets the parameter cell of the index letter i to 1 (a Sum's index range on its own).
void SetIndexCellToOne();

// arg and angle (codes 29, 30) from the point numbers held in the operand pair.
Extended EvaluateAngleForm(Tfrec* t, const EvalPoint& at);

// Brings point n (1..25) up to date through the point refresh hook.
void RefreshPoint(int n, const EvalPoint& at);

// The value bound to an integration variable (codes 20021 to 20026) while an integral is
// computed; 0 outside every integral.
Extended& IntegrationVariable(int32_t code);

// Simpson's rule over the integrand of an integral's right pair, the outer variables at
// `at`; sets EvalOK as SimpsonIntegral does.
Extended SimpsonOverPair(Tfrec* pair, int64_t panels, Extended lower, Extended upper, const EvalPoint& at);

// A uniform random value in [0, 1).
Extended RandomUnit();

// EvaluateTree without a compiled program: the recursive evaluator with the outer checks.
Extended EvaluateRecursively(Tfrec* tree, const EvalPoint& at);

// Writes the point into VariableValues X, Y, Z, for routines that read them from there.
// Inline, without x87 instructions: a call would send the evaluator's result to memory.
inline void StorePoint(const EvalPoint& at) {
  CopyExtended(doc.VariableValues.X, at.x);
  CopyExtended(doc.VariableValues.Y, at.y);
  CopyExtended(doc.VariableValues.Z, at.z);
}

}  // namespace evaluator

// EvaluateTree by the recursive evaluator alone, the reference the compiled programs are
// checked against.
Extended EvaluateTreeRecursively(Tfrec* tree, Extended x, Extended y, Extended z);
