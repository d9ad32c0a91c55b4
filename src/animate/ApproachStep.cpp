#include "animate/ApproachStep.h"

#include <cmath>

#include "platform/Runtime.h"

Extended ApproachStepOf(Extended p, Extended q) { return (q - p) * 0.025L; }

ApproachResult ApproachStep(Extended p, Extended& q) {
  const Extended step = ApproachStepOf(p, q);
  if (step == 0) return ApproachResult::Unchanged;
  q = p + (rtl::RoundToEven((q - p) / step) - 1) * step;
  if (std::fabs(q - p) >= kApproachStopDistance) return ApproachResult::Moved;
  q = p + (q < p ? -kApproachFinalDistance : kApproachFinalDistance);
  return ApproachResult::Ended;
}

bool ApproachWantsEnlargement(Extended viewWidth, Extended p, Extended q) { return viewWidth / 20 > std::fabs(q - p); }
