#pragma once
// Tick spacing of the plane axes. The step follows the world size of a pixel, so that
// ticks stay about the same distance apart on screen at any zoom; the density of an
// axis halves or doubles it. Decimal axes step through a fixed 1-2-4/5 table, π and
// degree axes through fractions of π.
#include <cstdint>

#include "platform/Extended.h"

// The drawing height when the graph window was created; it sets the tick spacing of all
// axes and never follows later resizing. The graph window sets it; while it is 0 (no
// graph window yet) the current drawing height stands in.
extern int32_t ReferenceHeight;

// The index formula clamps to this range: far outside it the tables saturate and the
// π fractions would no longer fit in 32 bits.
inline constexpr int kMinTickIndex = -27;
inline constexpr int kMaxTickIndex = 33;

// 0.0002 ... 10000 for i = -10..14; saturates beyond.
Extended DecimalTickStep(int i);
// Degree axes: the step as a fraction of π.
Extended PiTickFraction(int i);
struct TPiFraction {
  int p = 1, q = 1;
};
// π axes: 2^(i-3) as p/q.
TPiFraction PiFractionStep(int i);
// The number pattern of decimal tick labels, "0.0000" ... "0".
const char* NumberFormatForIndex(int i);

// Floor(log2(ReferenceHeight * pixelSize * OutputScale * 2^density / π)).
int TickIndex(Extended pixelSize, int density);

// The ticks of one axis lie at k * step * factor.
struct TAxisTicks {
  int index = 1;
  std::uint8_t unit = 1;  // 0 no numbers, 1 decimal, 2 π fractions, 3 degrees (90°), 4 degrees (60°)
  Extended step = 1;      // in units of factor
  Extended factor = 1;    // 1, or π
  TPiFraction fraction;   // π axes: the step as p/q
  Extended Spacing() const { return step * factor; }
};
TAxisTicks AxisTickStep(int index, std::uint8_t unit);

// The tick steps of the x and y axes from the current pixel sizes, densities and units;
// each also keeps its decimal step in XTickStep or YTickStep.
TAxisTicks XAxisTicks();
TAxisTicks YAxisTicks();

// The tick numbers k with min <= k * spacing < max + spacing, Floor(min/spacing) ..
// Floor(max/spacing); usable is false when the range is not finite or would hold more
// ticks than any drawing can show (a view from a broken file).
struct TTickRange {
  int64_t first = 0, last = -1;
  bool usable = false;
};
inline constexpr int64_t kMaxTicksPerAxis = 4096;
TTickRange TickRange(Extended min, Extended max, Extended spacing);
