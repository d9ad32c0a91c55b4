#pragma once
// Joining the explicit branches of one relation across the gaps the sampler leaves where
// two branches meet with a vertical (or, sampled along y, horizontal) tangent: there each
// branch ends a little short of the meeting point, too far apart for the plain join.
#include "formula/Records.h"
#include "formula/Tfrec.h"

// Whether two branch ends belong together on the curve F = 0: close along the sampling
// axis (axis 0: branches sampled along x, 1: along y), within 4 pixels of each other
// across it, and F = 0 at their midpoint or changing sign one pixel either side of it
// along the axis.
bool ShouldJoinEnds(Tfrec*& F, const TCurveXYZ& p, const TCurveXYZ& q, int axis);

// Splices every later piece whose end belongs to an end of an earlier one onto it, then
// closes each piece whose two ends belong together.
void JoinBranchEnds(Tfrec*& F, TCurveSegment*& list, int axis);
