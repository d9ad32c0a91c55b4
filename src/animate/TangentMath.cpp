#include "animate/TangentMath.h"

#include <cmath>

#include "formula/DocumentState.h"
#include "formula/EvalHelpers.h"
#include "platform/Runtime.h"

namespace {

// A walk never takes more steps than this, whatever the view and the step.
constexpr Extended kMaxWalkSteps = 1e6L;
// How far (in steps) a start may lie from a whole multiple of the step and still count as
// one: only the roundings of its computation.
constexpr Extended kGridTolerance = 1e-9L;

// The variables the evaluation sets are put back, as after any drawing.
bool Evaluates(Tfrec* tree, Extended x, Extended& value) {
  const TVariableValues saved = doc.VariableValues;
  eng.EvalOK = 1;
  value = EvaluateAtX(tree, 0, x);
  doc.VariableValues = saved;
  return eng.EvalDrawable && std::isfinite(value);
}

bool WithinYRange(Extended v) { return v >= doc.ViewRange.YMin && v <= doc.ViewRange.YMax; }

bool Qualifies(Tfrec* f, Tfrec* df, Extended x) {
  const TangentPoint p = EvaluateTangentPoint(f, df, x);
  return p.defined && (WithinYRange(p.f) || (p.sloped && WithinYRange(p.df)));
}

// The last step i for which from + sign·i·dx has not passed `limit`; -1 when `from` has.
long StepsWithin(Extended from, Extended limit, Extended dx, int sign) {
  const Extended n = std::floor(sign * (limit - from) / dx);
  if (!std::isfinite(n) || n < 0) return -1;
  return static_cast<long>(std::fmin(n, kMaxWalkSteps));
}

// The first grid point from `from`, in the direction of `sign`, at which the tangent
// qualifies.
std::optional<Extended> Walk(Tfrec* f, Tfrec* df, Extended from, Extended limit, Extended dx, int sign) {
  const long n = StepsWithin(from, limit, dx, sign);
  // A start on the grid of whole steps from 0 (a tick step that is a multiple of dx) is
  // counted from 0, so that the walk meets 0 itself and not a rounding beside it: sqrt(x)
  // has P at 0, not one step further.
  const Extended first = rtl::RoundToEven(from / dx);
  const bool fromZero = std::fabs(from - first * dx) <= dx * kGridTolerance;
  for (long i = 0; i <= n; ++i) {
    const Extended x = fromZero ? (first + sign * i) * dx : from + sign * i * dx;
    if (Qualifies(f, df, x)) return x;
  }
  return std::nullopt;
}

int Sign(Extended v) { return (v > 0) - (v < 0); }

}  // namespace

TangentPoint EvaluateTangentPoint(Tfrec* f, Tfrec* df, Extended x) {
  TangentPoint p;
  p.x = x;
  if (!f || !df) return p;
  p.defined = Evaluates(f, x, p.f);
  p.sloped = p.defined && Evaluates(df, x, p.df);
  return p;
}

Extended TangentStepWidth(Extended pixelSize) {
  if (!(pixelSize > 0) || !std::isfinite(pixelSize)) return 0;
  const Extended k = std::fabs(std::trunc(std::log10(pixelSize) - 1));
  const Extended scale = std::pow(10.0L, k);
  const Extended dx = rtl::RoundToEven(pixelSize * scale) / scale;
  return dx > 0 && std::isfinite(dx) ? dx : 0;
}

Extended TangentGridStart(Extended bound, Extended s, Extended dx, bool fromLeft) {
  const Extended tick = s * rtl::RoundToEven(bound / s);
  Extended x = tick + dx * rtl::RoundToEven((bound - tick) / dx);
  if (fromLeft && x < bound) x += dx;
  if (!fromLeft && x > bound) x -= dx;
  return x;
}

TangentRange FindTangentRange(Tfrec* f, Tfrec* df, Extended dx) {
  TangentRange range;
  const TViewRange& v = doc.ViewRange;
  if (!(dx > 0) || !std::isfinite(dx) || !(v.XMin < v.XMax)) return range;
  Extended s = eng.XTickStep;
  if (!(s > 0) || !std::isfinite(s)) s = dx;
  const std::optional<Extended> start = Walk(f, df, TangentGridStart(v.XMin, s, dx, true), v.XMax, dx, 1);
  const std::optional<Extended> end = Walk(f, df, TangentGridStart(v.XMax, s, dx, false), v.XMin, dx, -1);
  if (!start || !end) return range;
  range.start = *start;
  // The two walks run on grids that may be apart by less than a step.
  range.end = std::fmax(*end, *start);
  range.found = true;
  return range;
}

bool OppositeSigns(Extended a, Extended b) { return Sign(a) * Sign(b) < 0; }

std::optional<Extended> StationaryPointBetween(Tfrec* df, Extended from, Extended to, Extended dfTo) {
  const int toSign = Sign(dfTo);
  for (int i = 0; i < kStationaryBisections; ++i) {
    const Extended middle = (from + to) / 2;
    Extended value;
    if (!Evaluates(df, middle, value)) return std::nullopt;
    if (value == 0) return middle;
    if (Sign(value) == toSign)
      to = middle;
    else
      from = middle;
  }
  return to;
}
