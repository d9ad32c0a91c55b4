#pragma once
// Internals shared by the evaluator's source files: the recursive core, the fault that
// stands for the original runtime's floating-point exceptions, and the rules kept apart
// (one-argument functions, angle forms, numeric integrals).
#include <cmath>
#include <cstdint>

#include "formula/Tfrec.h"
#include "platform/Extended.h"

namespace evaluator {

struct EvalPoint {
  Extended x, y, z;
};

// 1.0E4932, the value that stands for an overflow caught at a node.
inline constexpr Extended Huge = 1e4932L;

inline int SignOf(Extended v) { return (v > 0) - (v < 0); }

// The recursive core: evaluates the node and its children at the point, leaving values,
// validity and flags in the tree. Stops at once while a fault is pending.
Extended Evaluate(Tfrec* t, const EvalPoint& at);

// An operation the original runtime would have trapped (overflow, division by zero, an
// invalid operation): the whole evaluation is abandoned and EvaluateTree reports it.
Extended RaiseFault();
bool FaultPending();

// The value of a one-argument function (codes 8 to 34, 41, 42) of the operand value R;
// sets the node's flags, `LineContinues` and, on a domain error, `EvalOK`.
Extended EvaluateFunction(Tfrec* t, const Tfrec* operand, Extended R);

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

// Writes the point into VariableValues X, Y, Z, for routines that read them from there.
void StorePoint(const EvalPoint& at);

}  // namespace evaluator
