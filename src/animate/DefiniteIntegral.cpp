#include "animate/DefiniteIntegral.h"

#include <algorithm>
#include <cmath>

#include "animate/RiemannSums.h"
#include "formula/EvalHelpers.h"
#include "platform/Runtime.h"

namespace {

// Rounded, not cut: a sum that comes out a hair below its exact value (0.49999999999999999
// for the integral of x over [0, 1]) keeps the digit it should show.
Extended RoundToSevenDecimals(Extended s) { return rtl::RoundToEven(s * 10000000.0L) / 10000000.0L; }

}  // namespace

bool ComputeIntegral(EntryFunction& f, Extended a, Extended b, Extended pixelSize, IntegralValues& v) {
  v = IntegralValues{};
  Extended t = (b - a) / kIntegralPieces;
  Extended x0 = a, sum = 0;
  for (int i = 1; i <= kIntegralPieces; ++i) {
    const Extended r = i == kIntegralPieces ? b : x0 + t;
    if (i == kIntegralPieces) t = r - x0;
    Extended fl, fm, fr;
    if (!f.At(x0, fl) || !f.At(r, fr) || !f.At((x0 + r) / 2, fm)) return false;
    sum += SimpsonPanel(fl, fm, fr, t);
    x0 = r;
  }
  if (!std::isfinite(sum)) return false;
  v.S = RoundToSevenDecimals(sum);
  v.h = b - a;
  if (v.h == 0.001L)
    v.mean = v.S * 1000;
  else
    v.mean = v.h != 0 ? v.S / v.h : 0;
  const Extended step = std::min(t / 10, pixelSize);
  return ScanExtremum(f, a, b, step, true, v.maximum) && ScanExtremum(f, a, b, step, false, v.minimum);
}

IntegralTexts IntegralTextsOf(const IntegralValues& v) {
  return {rtl::FormatFloat("0.0000000", v.S), rtl::FormatFloat("0.000", v.h), rtl::FormatFloat("0.0000", v.mean),
          rtl::FormatFloat("0.0000", v.maximum), rtl::FormatFloat("0.0000", v.minimum)};
}
