#include "render/TickSteps.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "formula/DocumentState.h"
#include "platform/Runtime.h"

int32_t ReferenceHeight = 0;

namespace {

constexpr Extended kPi = std::numbers::pi_v<Extended>;

constexpr Extended kDecimalSteps[] = {0.0002L, 0.0005L, 0.002L, 0.005L, 0.01L, 0.02L, 0.04L, 0.05L, 0.1L,
                                      0.2L,    0.5L,    1,      2,      4,     10,    20,    25,    50,
                                      100,     200,     500,    1000,   2000,  5000,  10000};
constexpr int kFirstDecimal = -10, kLastDecimal = 14;

// Degree axes between 15° and 1/16°: steps that give whole or simple degree numbers.
constexpr int kPiTickDenominators[] = {12, 36, 72, 180, 360, 720, 1440, 2880};

}  // namespace

Extended DecimalTickStep(int i) {
  i = std::clamp(i, kFirstDecimal, kLastDecimal);
  return kDecimalSteps[i - kFirstDecimal];
}

Extended PiTickFraction(int i) {
  if (i <= -1 && i >= -8) return 1.0L / kPiTickDenominators[-i - 1];
  return std::ldexp(1.0L, i - 3);
}

TPiFraction PiFractionStep(int i) {
  i = std::clamp(i, kMinTickIndex, kMaxTickIndex);
  if (i < 3) return {1, 1 << (3 - i)};
  return {1 << (i - 3), 1};
}

const char* NumberFormatForIndex(int i) {
  if (i <= -9) return "0.0000";
  if (i <= -7) return "0.000";
  if (i <= -3) return "0.00";
  if (i <= 0) return "0.0";
  return "0";
}

int TickIndex(Extended pixelSize, int density) {
  const int reference = ReferenceHeight > 0 ? ReferenceHeight : doc.GraphHeight;
  const Extended size = reference * pixelSize * static_cast<Extended>(settings.OutputScale);
  // A view of no size or of no finite size (a broken file) takes the end of the range.
  if (!(size > 0)) return kMinTickIndex;
  if (!std::isfinite(size)) return kMaxTickIndex;
  const Extended ln2 = std::numbers::ln2_v<Extended>;
  const Extended v = std::floor((std::log(size) + density * ln2 - std::log(kPi)) / ln2);
  return static_cast<int>(std::clamp<Extended>(v, kMinTickIndex, kMaxTickIndex));
}

TAxisTicks AxisTickStep(int index, std::uint8_t unit) {
  TAxisTicks t;
  t.index = index;
  t.unit = unit;
  switch (unit) {
    case 2:
      t.fraction = PiFractionStep(index);
      t.step = static_cast<Extended>(t.fraction.p) / t.fraction.q;
      t.factor = kPi;
      break;
    case 3:
      t.step = PiTickFraction(index);
      t.factor = kPi;
      break;
    case 4:
      t.step = PiTickFraction(index) * 2 / 3;
      t.factor = kPi;
      break;
    default:  // 0, 1 and anything a file may hold: decimal
      t.step = static_cast<float>(DecimalTickStep(index));
      t.factor = 1;
      break;
  }
  return t;
}

TAxisTicks XAxisTicks() {
  const int i = TickIndex(doc.PixelSizeX, settings.XTickDensity);
  eng.XTickStep = static_cast<float>(DecimalTickStep(i));
  return AxisTickStep(i, doc.XAxisUnit);
}

TAxisTicks YAxisTicks() {
  const int i = TickIndex(doc.PixelSizeY, settings.YTickDensity);
  eng.YTickStep = static_cast<float>(DecimalTickStep(i));
  return AxisTickStep(i, doc.YAxisUnit);
}

TTickRange TickRange(Extended min, Extended max, Extended spacing) {
  TTickRange r;
  if (!(spacing > 0) || !std::isfinite(spacing) || !std::isfinite(min) || !std::isfinite(max) || min > max)
    return r;
  const Extended first = std::floor(min / spacing), last = std::floor(max / spacing);
  // Tick numbers past 2^50 no longer step by one in the arithmetic of the view.
  constexpr Extended kLimit = 1125899906842624.0L;
  if (!(std::fabs(first) <= kLimit && std::fabs(last) <= kLimit) || last - first > kMaxTicksPerAxis) return r;
  r.first = static_cast<int64_t>(first);
  r.last = static_cast<int64_t>(last);
  r.usable = true;
  return r;
}
