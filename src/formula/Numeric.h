#pragma once
// Numeric services of the formula engine: integer tests, powers, inverse trigonometric
// and hyperbolic functions, combinations and permutations. All real arithmetic is 80-bit.
//
// Helpers with a domain (ArcSin, ArcCos, PowerReal, Combinations, Permutations) clear
// eng.EvalOK on an error and return a fixed harmless value; the others return the plain
// IEEE result, and the evaluator judges a non-finite one.
#include <cstdint>

#include "platform/Extended.h"

// Greatest common divisor. a when a = b; otherwise Euclid on the pair ordered by magnitude,
// giving |b| once b divides a. 0 only for Gcd(0, 0).
int64_t Gcd(int64_t a, int64_t b);
// Divides both by their Gcd and moves the sign into n; nothing when n or d is 0.
void ReduceFraction(int64_t& n, int64_t& d);
void ReduceFraction(int32_t& n, int32_t& d);

// n = 2 * round(n / 2), rounding half to even.
bool IsEven(Extended n);
// x has no fractional part and |x| < 100000.
bool IsSmallInteger(Extended x);
// b with which = 1 when b < a, else a with which = 2.
Extended MinWithIndex(int& which, Extended a, Extended b);
// -1, 0 or 1 (0 for NaN).
int Sign(Extended x);
// The greatest integer not above x.
Extended Floor(Extended x);
// (x, y) lies in doc.ViewRange, bounds included.
bool PointInView(Extended x, Extended y);

// base multiplied by itself round(n) times (1 when round(n) <= 0); cut to its integer part
// when base and n are both small integers.
Extended PowerPositiveInt(Extended base, Extended n);
// base raised to count >= 0 by squaring, the products in PowerPositiveInt's order: the same
// value as repeated multiplication wherever that is exact, and at most 63 steps.
[[gnu::always_inline]] inline Extended PowerBySquaring(Extended base, int64_t count) {
  Extended result = 1;
  Extended factor = base;
  while (count > 0) {
    if (count & 1) result *= factor;
    count >>= 1;
    if (count > 0) factor *= factor;
  }
  return result;
}
// PowerPositiveInt for n >= 0, else its reciprocal for -n.
Extended PowerInt(Extended base, Extended n);
// |base| ^ exponent. Exact where base and exponent are small integers; on overflow or an
// undefined result EvalOK := 0 and the largest finite value.
Extended PowerReal(Extended base, Extended exponent);

// |x| > 1 (or NaN): EvalOK := 0 and 0.
Extended ArcSin(Extended x);
Extended ArcCos(Extended x);
Extended Sinh(Extended x);
Extended Cosh(Extended x);

// n (n-1) ... (n-r+1). n < 0, r < 0, n < r, a non-integral r or an overflow: EvalOK := 0
// and 1.
Extended Permutations(Extended n, Extended r);
// Permutations(n, r) / Permutations(r, r) with the same errors; 1 at once while EvalOK is 0.
Extended Combinations(Extended n, Extended r);
