#pragma once
// The numbers behind the tangent animation: the step P moves by, the stretch of the view
// it moves along, the value of f and f' at a point, and the stationary point between two
// points where f' changes its sign. No drawing here.
#include <optional>

#include "formula/Tfrec.h"
#include "platform/Extended.h"

// f and f' at one x. P may stand where f is defined; the tangent and the slope need f'
// too (at x = 0, sqrt(x) has P but no slope).
struct TangentPoint {
  Extended x = 0, f = 0, df = 0;
  bool defined = false;  // f
  bool sloped = false;   // f' as well
};

TangentPoint EvaluateTangentPoint(Tfrec* f, Tfrec* df, Extended x);

// The pixel size rounded to one short decimal: k = |trunc(log10 p − 1)|,
// round(p·10^k)/10^k (0.0123 gives 0.01). 0 for a size that is not a positive number.
Extended TangentStepWidth(Extended pixelSize);

// Where P may go: from the first point of the view, walking right in steps of dx, at which
// f is defined and f (or f', where defined) lies within the view's y range, to the last
// such point walking left. Both walks start on the x tick grid plus whole steps and stay
// inside the view, so a function defined nowhere there (or never seen in it) gives no
// range. Each point is computed from the start, not by adding steps.
struct TangentRange {
  Extended start = 0, end = 0;
  bool found = false;
};
TangentRange FindTangentRange(Tfrec* f, Tfrec* df, Extended dx);

// The end of the walk nearest to `bound` (XMin or XMax) on the tick grid of step s plus
// whole steps dx, inside the view.
Extended TangentGridStart(Extended bound, Extended s, Extended dx, bool fromLeft);

// f' has strictly opposite signs at `from` and at `to` (where it is dfTo). Sixteen halvings
// close in on its zero keeping the end on the side of `to`, and that end is returned, so
// that a further step in the same direction does not meet the same sign change again; a
// midpoint where f' is exactly 0 is returned as it is. Nothing when f' is undefined on the
// way.
inline constexpr int kStationaryBisections = 16;
std::optional<Extended> StationaryPointBetween(Tfrec* df, Extended from, Extended to, Extended dfTo);

// Strictly opposite signs: a zero on either side is no change of sign.
bool OppositeSigns(Extended a, Extended b);
