#pragma once
// One tick of the approach animations (B -> A of the mean rate of change, h -> 0 of the
// definite integral): the moving point q comes 2.5 % of its distance closer to the fixed
// point p, until it is 0.001 from p. q is kept in full precision from tick to tick: a
// value read back from its four-decimal text would stop moving near p.
#include "platform/Extended.h"

enum class ApproachResult {
  Unchanged,  // q = p: no step
  Moved,
  Ended,  // q is now p +- 0.001
};

inline constexpr Extended kApproachStopDistance = 0.0012L;
inline constexpr Extended kApproachFinalDistance = 0.001L;

// The step of one tick, 2.5 % of q - p; 0 when q is p (or too close to it to move).
Extended ApproachStepOf(Extended p, Extended q);
ApproachResult ApproachStep(Extended p, Extended& q);

// With automatic enlargement the view zooms in instead of moving the point while the
// distance is below a twentieth of the view's width.
bool ApproachWantsEnlargement(Extended viewWidth, Extended p, Extended q);
