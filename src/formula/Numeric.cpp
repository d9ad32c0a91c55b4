#include "formula/Numeric.h"

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "formula/DocumentState.h"
#include "formula/Tfrec.h"
#include "platform/Runtime.h"

int64_t Gcd(int64_t a, int64_t b) {
  if (a == b) return a;
  if (std::llabs(a) < std::llabs(b)) std::swap(a, b);
  // Iterative Euclid; b = 0 (never passed by the engine) ends it with |a|.
  while (b != 0) {
    int64_t r = a % b;
    if (r == 0) return std::llabs(b);
    a = b;
    b = r;
  }
  return std::llabs(a);
}

void ReduceFraction(int64_t& n, int64_t& d) {
  if (n == 0 || d == 0) return;
  int64_t g = Gcd(n, d);
  n /= g;
  d /= g;
  if (d < 0) {
    n = -n;
    d = -d;
  }
}

void ReduceFraction(int32_t& n, int32_t& d) {
  int64_t n64 = n, d64 = d;
  ReduceFraction(n64, d64);
  // Reducing never enlarges a part; only -2^31 / -1 could leave the range.
  if (n64 >= INT32_MIN && n64 <= INT32_MAX && d64 <= INT32_MAX) {
    n = static_cast<int32_t>(n64);
    d = static_cast<int32_t>(d64);
  }
}

bool IsEven(Extended n) { return n == 2 * rtl::RoundToEven(n / 2); }

bool IsSmallInteger(Extended x) {
  // The conversion to int is one instruction; truncl is a library call.
  return std::fabs(x) < 100000 && x == static_cast<Extended>(static_cast<int32_t>(x));
}

Extended MinWithIndex(int& which, Extended a, Extended b) {
  if (b < a) {
    which = 1;
    return b;
  }
  which = 2;
  return a;
}

int Sign(Extended x) { return x > 0 ? 1 : (x < 0 ? -1 : 0); }

Extended Floor(Extended x) {
  if (x == std::trunc(x)) return x;
  return x >= 0 ? std::trunc(x) : std::trunc(x - 1);
}

bool PointInView(Extended x, Extended y) {
  const TViewRange& v = doc.ViewRange;
  return v.XMin <= x && x <= v.XMax && v.YMin <= y && y <= v.YMax;
}

Extended PowerPositiveInt(Extended base, Extended n) {
  // By squaring: the same value as repeated multiplication wherever that is exact, and at
  // most 63 steps however large n is. Products of an integer base are integers already, so
  // cutting them to their integer part would change nothing.
  return PowerBySquaring(base, IsSmallInteger(n) ? static_cast<int64_t>(n) : rtl::Round(n));
}

Extended PowerInt(Extended base, Extended n) {
  if (n >= 0) return PowerPositiveInt(base, n);
  return 1 / PowerPositiveInt(base, -n);
}

Extended PowerReal(Extended base, Extended exponent) {
  Extended magnitude = std::fabs(base);
  Extended result;
  if (IsSmallInteger(base) && IsSmallInteger(exponent))
    result = PowerInt(magnitude, exponent);  // e^(y ln b) is not exact even for 3^2
  else
    result = std::exp(exponent * std::log(magnitude));
  if (!std::isfinite(result)) {
    eng.EvalOK = 0;
    return LDBL_MAX;
  }
  return result;
}

Extended ArcSin(Extended x) {
  if (!(std::fabs(x) <= 1)) {
    eng.EvalOK = 0;
    return 0;
  }
  if (x == 1) return PiValue / 2;
  if (x == -1) return -PiValue / 2;
  return std::atan(x / std::sqrt(1 - x * x));
}

Extended ArcCos(Extended x) {
  if (!(std::fabs(x) <= 1)) {
    eng.EvalOK = 0;
    return 0;
  }
  if (x == -1) return PiValue;
  if (x == 0) return PiValue / 2;
  if (x == 1) return 0;
  Extended a = std::atan(std::sqrt(1 - x * x) / x);
  return x > 0 ? a : a + PiValue;
}

Extended Sinh(Extended x) { return (std::exp(x) - std::exp(-x)) / 2; }
Extended Cosh(Extended x) { return (std::exp(x) + std::exp(-x)) / 2; }

namespace {

Extended CountingError() {
  eng.EvalOK = 0;
  return 1;
}

}  // namespace

Extended Permutations(Extended n, Extended r) {
  if (n < 0 || r < 0 || n < r) return CountingError();
  if (r == 0) return 1;
  if (r == 1) return n;
  // The recursion n * P(n-1, r-1) reaches r = 1 only for a whole r; otherwise it ends
  // below zero, which is the error.
  if (r != std::trunc(r)) return CountingError();
  // A loop in the recursion's order, innermost factor first: (n-r+1) (n-r+2) ... n. Every
  // factor is at least 1 and grows by 1, so an overflow ends the loop within a few
  // thousand steps whatever r is.
  Extended factor = n - r + 1;
  Extended result = factor;
  for (Extended remaining = r - 1; remaining > 0; remaining -= 1) {
    factor += 1;
    result *= factor;
    if (!std::isfinite(result)) return CountingError();
  }
  return result;
}

Extended Combinations(Extended n, Extended r) {
  if (!eng.EvalOK) return 1;
  if (n < 0 || r < 0 || n < r) return CountingError();
  if (r == 0 || r == n) return 1;
  if (r == 1) return n;
  Extended p = Permutations(n, r);
  if (!eng.EvalOK) return 1;
  Extended q = Permutations(r, r);
  if (!eng.EvalOK) return 1;
  return p / q;
}
