#pragma once
// The numbers of the definite integral window: S, the integral of f over [a, b] by
// Simpson's rule on 30 pieces rounded to seven decimals; the width h = b - a; the mean
// value S / h; the maximum and minimum of f on [a, b].
#include <string>

#include "animate/EntryFunction.h"
#include "platform/Extended.h"

inline constexpr int kIntegralPieces = 30;

struct IntegralValues {
  // S, the mean and the extrema are numbers only when f is defined and finite all over
  // [a, b]; h always is.
  bool defined = false;
  Extended S = 0, h = 0, mean = 0, maximum = 0, minimum = 0;
};

// False (v.defined) when f is undefined or not finite at a point the rule or the scan of
// the extrema meets, or crosses a pole between two of the scan's points. The extrema are
// scanned in steps of min(piece width / 10, pixelSize).
bool ComputeIntegral(EntryFunction& f, Extended a, Extended b, Extended pixelSize, IntegralValues& v);

// What the result panels show; stars for the values that are no numbers.
struct IntegralTexts {
  std::string S, h, mean, maximum, minimum;
};
IntegralTexts IntegralTextsOf(const IntegralValues& v);
