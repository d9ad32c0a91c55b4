#include "animate/DefiniteIntegral.h"

#include <algorithm>
#include <cmath>

#include "animate/CalculusTexts.h"
#include "animate/RiemannSums.h"
#include "formula/EvalHelpers.h"
#include "platform/Runtime.h"

namespace {

// Rounded, not cut: a sum that comes out a hair below its exact value (0.49999999999999999
// for the integral of x over [0, 1]) keeps the digit it should show.
Extended RoundToSevenDecimals(Extended s) { return rtl::RoundToEven(s * 10000000.0L) / 10000000.0L; }

bool SimpsonSum(EntryFunction& f, Extended a, Extended b, Extended& sum) {
  sum = 0;
  for (int i = 1; i <= kIntegralPieces; ++i) {
    const Extended l = PieceEnd(a, b, i - 1, kIntegralPieces), r = PieceEnd(a, b, i, kIntegralPieces);
    Extended fl, fm, fr;
    if (!f.At(l, fl) || !f.At((l + r) / 2, fm) || !f.At(r, fr)) return false;
    sum += SimpsonPanel(fl, fm, fr, r - l);
  }
  return std::isfinite(sum);
}

}  // namespace

bool ComputeIntegral(EntryFunction& f, Extended a, Extended b, Extended pixelSize, IntegralValues& v) {
  v = IntegralValues{};
  v.h = b - a;
  Extended sum;
  if (!SimpsonSum(f, a, b, sum)) return false;
  // The scan walks all of [a, b] closely: it finds the poles between the rule's points.
  const Extended step = std::min(v.h / kIntegralPieces / 10, pixelSize);
  if (!ScanExtremum(f, a, b, step, true, v.maximum) || !ScanExtremum(f, a, b, step, false, v.minimum)) return false;
  v.S = RoundToSevenDecimals(sum);
  if (v.h == 0.001L)
    v.mean = v.S * 1000;
  else
    v.mean = v.h != 0 ? v.S / v.h : 0;
  v.defined = std::isfinite(v.S) && std::isfinite(v.mean);
  return v.defined;
}

IntegralTexts IntegralTextsOf(const IntegralValues& v) {
  const std::string h = ValueText("0.000", v.h);
  if (!v.defined) return {kNoValueText, h, kNoValueText, kNoValueText, kNoValueText};
  return {ValueText("0.0000000", v.S), h, ValueText("0.0000", v.mean), ValueText("0.0000", v.maximum),
          ValueText("0.0000", v.minimum)};
}
