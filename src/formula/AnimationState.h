#pragma once
// The program-wide state of the calculus and tangent animations that outlives their
// windows: the equation file saves it while an animation runs, and the windows take it
// up again when they open.
#include <cstdint>
#include <string>

#include "platform/Extended.h"
#include "platform/OneBased.h"

// The most pieces a Riemann sum is cut into: each repaint walks every piece.
inline constexpr int32_t kMaxRiemannDivisions = 10000;

struct AnimationState {
  // Mean rate of change: the x of A and of B.
  Extended MeanRateA = 0, MeanRateStart = 0;
  // The interval [a, b] of the Riemann sums and of the definite integral, in full
  // precision (their texts are what was typed, or b as shown while it moves).
  Extended IntegralA = 0, IntegralB = 1;
  // Bound texts as typed (CP932): 1, 2 the Riemann sums' lower and upper bound, 3, 4 the
  // definite integral's.
  OneBased<std::string, 1, 4> IntegralTexts;
  int32_t RiemannDivisions = 2;
  // The result texts of the Riemann window by sum kind (RiemannSumKind): 1 maximum,
  // 2 minimum, 3 trapezoid, 4 Simpson, 5 left, 6 right, 7 midpoint.
  OneBased<std::string, 1, 7> RiemannSumTexts;
  // The x of the tangent's point P at its last drawing.
  Extended TangentPauseValue = 0;
};

extern AnimationState anim;
