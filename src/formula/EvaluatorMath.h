#pragma once
// Fast 80-bit elementary functions for the evaluator's inner loop. glibc's long double
// sin, cos and exp spend most of their time in a general argument reduction, and the x87
// fsin takes longer still; here the reduction is a three-part Cody-Waite step followed by
// polynomial kernels (sin, cos) or the x87 instructions (exp, log, atan), accurate on the
// reduced range. Results agree with glibc to about one unit in the last place; arguments
// beyond the fast range fall back to glibc.
#include <cmath>
#include <cstdint>
#include <cstring>

#include "platform/Extended.h"

namespace xmath {

// Neither infinite nor NaN, without loading an 80-bit constant from memory.
[[gnu::always_inline]] inline bool IsFinite(Extended v) { return v - v == 0; }

namespace detail {

// pi/2 = HalfPi1 + HalfPi2 + HalfPi3; the first two have 32 significant bits, so k * HalfPi1
// and k * HalfPi2 are exact for |k| < 2^32. Constants that fit a double are kept as
// doubles: an 80-bit constant takes several cycles to load.
inline constexpr double HalfPi1 = 0xc90fdaa2p-31;
inline constexpr double HalfPi2 = 0x85a308d3p-65;
inline constexpr Extended HalfPi3 = 0x98cc51701b839a25p-132L;
inline constexpr double TwoOverPi = 0xa2f9836e4e441529p-64;  // only picks the multiple
// Beyond this the three-part reduction loses accuracy.
inline constexpr double ReductionLimit = 0x1p28;
inline constexpr double QuarterPi = 0xc90fdaa22168c235p-64;

inline constexpr double Ln2Hi = 0xb17217f7p-32;
inline constexpr double Ln2Lo = 0xd1cf79abc9e3b398p-96;
inline constexpr double Log2EApprox = 0xb8aa3b295c17f0bbp-63;  // only picks the power of 2
inline constexpr Extended Log2E = 0xb8aa3b295c17f0bbp-63L;

// Taylor polynomials on |r| <= pi/4: truncated beyond x^19 (sin) and x^18 (cos), far below
// the last place. The leading coefficients need all 64 bits; from the fourth on a double
// carries every bit that reaches the result, and loads faster.
inline constexpr Extended S3 = -0xaaaaaaaaaaaaaaabp-66L;
inline constexpr Extended S5 = 0x8888888888888889p-70L;
inline constexpr double S7 = -1.0 / 5040, S9 = 1.0 / 362880, S11 = -1.0 / 39916800, S13 = 1.0 / 6227020800.0,
                        S15 = -1.0 / 1307674368000.0, S17 = 1.0 / 355687428096000.0,
                        S19 = -1.0 / 121645100408832000.0;
inline constexpr Extended C4 = 0xaaaaaaaaaaaaaaabp-68L;
inline constexpr Extended C6 = -0xb60b60b60b60b60bp-73L;
inline constexpr double C8 = 1.0 / 40320, C10 = -1.0 / 3628800, C12 = 1.0 / 479001600.0,
                        C14 = -1.0 / 87178291200.0, C16 = 1.0 / 20922789888000.0,
                        C18 = -1.0 / 6402373705728000.0;

// Estrin's scheme: the terms are grouped so that their products can be computed side by
// side rather than one after another.
[[gnu::always_inline]] inline Extended SinKernel(Extended x) {
  const Extended z = x * x;
  const Extended z2 = z * z;
  const Extended z4 = z2 * z2;
  const Extended a = S3 + S5 * z;
  const Extended b = S7 + S9 * z;
  const Extended c = S11 + S13 * z;
  const Extended d = S15 + S17 * z;
  const Extended q = (a + b * z2) + ((c + d * z2) + S19 * z4) * z4;
  return x + (x * z) * q;
}

[[gnu::always_inline]] inline Extended CosKernel(Extended x) {
  const Extended z = x * x;
  const Extended z2 = z * z;
  const Extended z4 = z2 * z2;
  const Extended a = C4 + C6 * z;
  const Extended b = C8 + C10 * z;
  const Extended c = C12 + C14 * z;
  const Extended d = C16 + C18 * z;
  const Extended r = (a + b * z2) + (c + d * z2) * z4;
  // 1 - z/2 + z^2 r, with the rounding of 1 - z/2 carried into the small terms.
  const Extended half = z / 2;
  const Extended w = 1 - half;
  return w + (((1 - w) - half) + z2 * r);
}

// Adding 1.5 * 2^63 rounds a value below 2^62 in magnitude to an integer (to nearest, the
// default mode) and leaves that integer in the low bits of the mantissa.
inline constexpr double RoundingShift = 0x1.8p63;

[[gnu::always_inline]] inline Extended RoundToInteger(Extended t, uint64_t& lowBits) {
  const Extended shifted = t + RoundingShift;
  uint64_t mantissa;
  std::memcpy(&mantissa, &shifted, sizeof mantissa);
  lowBits = mantissa;
  return shifted - RoundingShift;
}

// x = k * pi/2 + r with |r| <= pi/4 (a little more at the rounding boundary).
[[gnu::always_inline]] inline Extended Reduce(Extended x, unsigned& quadrant) {
  uint64_t bits;
  const Extended k = RoundToInteger(x * TwoOverPi, bits);
  quadrant = static_cast<unsigned>(bits) & 3;
  return ((x - k * HalfPi1) - k * HalfPi2) - k * HalfPi3;
}

}  // namespace detail

// sin and cos of the same argument.
[[gnu::always_inline]] inline void SinCos(Extended x, Extended& s, Extended& c) {
  if (std::fabs(x) <= detail::QuarterPi) {
    s = detail::SinKernel(x);
    c = detail::CosKernel(x);
    return;
  }
  if (!(std::fabs(x) < detail::ReductionLimit)) {
    s = std::sin(x);
    c = std::cos(x);
    return;
  }
  unsigned q;
  const Extended r = detail::Reduce(x, q);
  const Extended rs = detail::SinKernel(r), rc = detail::CosKernel(r);
  switch (q) {
    case 0: s = rs, c = rc; break;
    case 1: s = rc, c = -rs; break;
    case 2: s = -rs, c = -rc; break;
    default: s = -rc, c = rs; break;
  }
}

[[gnu::always_inline]] inline Extended Sin(Extended x) {
  if (std::fabs(x) <= detail::QuarterPi) return detail::SinKernel(x);
  if (!(std::fabs(x) < detail::ReductionLimit)) return std::sin(x);
  unsigned q;
  const Extended r = detail::Reduce(x, q);
  switch (q) {
    case 0: return detail::SinKernel(r);
    case 1: return detail::CosKernel(r);
    case 2: return -detail::SinKernel(r);
    default: return -detail::CosKernel(r);
  }
}

[[gnu::always_inline]] inline Extended Cos(Extended x) {
  if (std::fabs(x) <= detail::QuarterPi) return detail::CosKernel(x);
  if (!(std::fabs(x) < detail::ReductionLimit)) return std::cos(x);
  unsigned q;
  const Extended r = detail::Reduce(x, q);
  switch (q) {
    case 0: return detail::CosKernel(r);
    case 1: return -detail::SinKernel(r);
    case 2: return -detail::CosKernel(r);
    default: return detail::SinKernel(r);
  }
}

// The signs (-1, 0, 1) of sin x and cos x without computing them: the quadrant and the sign
// of the reduced argument decide, exactly as they decide the signs of Sin and Cos.
[[gnu::always_inline]] inline void SinCosSigns(Extended x, int& sinSign, int& cosSign) {
  if (!(std::fabs(x) < detail::ReductionLimit)) {
    const Extended s = std::sin(x), c = std::cos(x);
    sinSign = (s > 0) - (s < 0);
    cosSign = (c > 0) - (c < 0);
    return;
  }
  unsigned q;
  const Extended r = std::fabs(x) <= detail::QuarterPi ? (q = 0, x) : detail::Reduce(x, q);
  const int rs = (r > 0) - (r < 0);
  switch (q) {
    case 0: sinSign = rs, cosSign = 1; break;
    case 1: sinSign = 1, cosSign = -rs; break;
    case 2: sinSign = -rs, cosSign = -1; break;
    default: sinSign = -1, cosSign = rs; break;
  }
}

// e^x: x = k ln 2 + r, e^x = 2^k * 2^(r log2 e). Overflow gives +inf, underflow 0 or a
// subnormal, as the library function.
[[gnu::always_inline]] inline Extended Exp(Extended x) {
  if (!(std::fabs(x) < 11000)) return std::exp(x);
  uint64_t bits;
  const Extended k = detail::RoundToInteger(x * detail::Log2EApprox, bits);
  const Extended r = (x - k * detail::Ln2Hi) - k * detail::Ln2Lo;
  Extended f = r * detail::Log2E;
  asm("f2xm1" : "+t"(f));
  Extended out;
  asm("fscale" : "=t"(out) : "0"(f + 1), "u"(k));
  return out;
}

// Natural logarithm of x > 0.
[[gnu::always_inline]] inline Extended Log(Extended x) {
  if (!(x > 0) || !IsFinite(x)) return std::log(x);
  Extended out;
  asm("fldln2\n\tfxch %%st(1)\n\tfyl2x" : "=t"(out) : "0"(x) : "st(1)");
  return out;
}

// Arc tangent.
[[gnu::always_inline]] inline Extended Atan(Extended x) {
  if (!IsFinite(x)) return std::atan(x);
  Extended out;
  asm("fld1\n\tfpatan" : "=t"(out) : "0"(x) : "st(1)");
  return out;
}

}  // namespace xmath
