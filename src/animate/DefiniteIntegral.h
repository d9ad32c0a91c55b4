#pragma once
// The numbers of the definite integral window: S, the integral of f over [a, b] by
// Simpson's rule on 30 pieces (the last one ending exactly at b) rounded to seven
// decimals; the width h = b - a; the mean value S / h; the maximum and minimum of f on
// [a, b].
#include <string>

#include "animate/EntryFunction.h"
#include "platform/Extended.h"

inline constexpr int kIntegralPieces = 30;

struct IntegralValues {
  Extended S = 0, h = 0, mean = 0, maximum = 0, minimum = 0;
};

// False when f is undefined at a point the rule or the scan needs. The extrema are
// scanned in steps of min(last piece's width / 10, pixelSize).
bool ComputeIntegral(EntryFunction& f, Extended a, Extended b, Extended pixelSize, IntegralValues& v);

// What the result panels show.
struct IntegralTexts {
  std::string S, h, mean, maximum, minimum;
};
IntegralTexts IntegralTextsOf(const IntegralValues& v);
