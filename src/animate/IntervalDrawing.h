#pragma once
// The picture of interval mode: the interval a <= x <= b shaded (or its two bounds drawn)
// under the curves, and the maximum and minimum of the first explicit function on it with
// their guide lines and a value box.
#include <array>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Extended.h"

struct IntervalPoint {
  Extended x = 0, y = 0;
};

// The extremum search's result: the maxima and the minima in the order found; `found` is
// false when the function could not be evaluated on the interval.
struct IntervalExtrema {
  bool found = false;
  std::vector<IntervalPoint> maxima, minima;
};

// Entry 1 is an explicit function (entries are kept grouped by kind).
bool HasExplicitFunction();

// The maxima and minima of entry 1 on [lower, upper], searched in steps of a pixel.
IntervalExtrema FindIntervalExtrema(Extended lower, Extended upper);

// The value box's five lines (CP932): the interval with the bound texts as typed (numbers
// without trailing zeros), the maximum and where it is taken, the minimum and where.
std::array<std::string, 5> IntervalValueBoxLines(const std::string& lowerText, const std::string& upperText,
                                                 const IntervalExtrema& extrema);

// The interval drawn on the picture of the graph window: cleared to white, the band (or
// the bound lines), the composite bitmap combined over it so that the curves stay on top,
// then the extrema and the value box as the panel's switches ask. While the print picture
// is recorded only the bound lines, the extrema and the box go onto it.
void DrawIntervalPicture(gfx::Canvas& picture, Extended lower, Extended upper);

// On the print picture the band is a region: "(lower<=x<=upper)" hatched in the interval
// colour.
void DrawIntervalRegion(gfx::Canvas& canvas);
