#pragma once
// Fast 80-bit elementary functions for the evaluator's inner loop. glibc's long double
// sin, cos and exp spend most of their time in a general argument reduction; here the
// reduction is a three-part Cody-Waite step and the kernels are the x87 instructions,
// which are accurate on the reduced range. Results agree with glibc to a few units in
// the last place; arguments beyond the fast range fall back to glibc.
#include <cmath>
#include <cstdint>
#include <cstring>

#include "platform/Extended.h"

namespace xmath {

namespace detail {

// pi/2 = HalfPi1 + HalfPi2 + HalfPi3; the first two have 32 significant bits, so k * HalfPi1
// and k * HalfPi2 are exact for |k| < 2^32.
inline constexpr Extended HalfPi1 = 0xc90fdaa2p-31L;
inline constexpr Extended HalfPi2 = 0x85a308d3p-65L;
inline constexpr Extended HalfPi3 = 0x98cc51701b839a25p-132L;
inline constexpr Extended TwoOverPi = 0xa2f9836e4e441529p-64L;
// Beyond this the three-part reduction loses accuracy.
inline constexpr Extended ReductionLimit = 0x1p28L;
inline constexpr Extended QuarterPi = 0xc90fdaa22168c235p-64L;

inline constexpr Extended Ln2Hi = 0xb17217f7p-32L;
inline constexpr Extended Ln2Lo = 0xd1cf79abc9e3b398p-96L;
inline constexpr Extended Log2E = 0xb8aa3b295c17f0bbp-63L;

inline Extended Fsin(Extended r) {
  Extended out;
  asm("fsin" : "=t"(out) : "0"(r));
  return out;
}
inline Extended Fcos(Extended r) {
  Extended out;
  asm("fcos" : "=t"(out) : "0"(r));
  return out;
}
inline void Fsincos(Extended r, Extended& s, Extended& c) {
  asm("fsincos" : "=t"(c), "=u"(s) : "0"(r));
}

// Adding 1.5 * 2^63 rounds a value below 2^62 in magnitude to an integer (to nearest, the
// default mode) and leaves that integer in the low bits of the mantissa.
inline constexpr Extended RoundingShift = 0x1.8p63L;

inline Extended RoundToInteger(Extended t, uint64_t& lowBits) {
  const Extended shifted = t + RoundingShift;
  uint64_t mantissa;
  std::memcpy(&mantissa, &shifted, sizeof mantissa);
  lowBits = mantissa;
  return shifted - RoundingShift;
}

// x = k * pi/2 + r with |r| <= pi/4 (a little more at the rounding boundary).
inline Extended Reduce(Extended x, unsigned& quadrant) {
  uint64_t bits;
  const Extended k = RoundToInteger(x * TwoOverPi, bits);
  quadrant = static_cast<unsigned>(bits) & 3;
  return ((x - k * HalfPi1) - k * HalfPi2) - k * HalfPi3;
}

}  // namespace detail

// sin and cos of the same argument.
inline void SinCos(Extended x, Extended& s, Extended& c) {
  if (std::fabs(x) <= detail::QuarterPi) return detail::Fsincos(x, s, c);
  if (!(std::fabs(x) < detail::ReductionLimit)) {
    s = std::sin(x);
    c = std::cos(x);
    return;
  }
  unsigned q;
  Extended rs, rc;
  detail::Fsincos(detail::Reduce(x, q), rs, rc);
  switch (q) {
    case 0: s = rs, c = rc; break;
    case 1: s = rc, c = -rs; break;
    case 2: s = -rs, c = -rc; break;
    default: s = -rc, c = rs; break;
  }
}

inline Extended Sin(Extended x) {
  if (std::fabs(x) <= detail::QuarterPi) return detail::Fsin(x);
  if (!(std::fabs(x) < detail::ReductionLimit)) return std::sin(x);
  unsigned q;
  const Extended r = detail::Reduce(x, q);
  switch (q) {
    case 0: return detail::Fsin(r);
    case 1: return detail::Fcos(r);
    case 2: return -detail::Fsin(r);
    default: return -detail::Fcos(r);
  }
}

inline Extended Cos(Extended x) {
  if (std::fabs(x) <= detail::QuarterPi) return detail::Fcos(x);
  if (!(std::fabs(x) < detail::ReductionLimit)) return std::cos(x);
  unsigned q;
  const Extended r = detail::Reduce(x, q);
  switch (q) {
    case 0: return detail::Fcos(r);
    case 1: return -detail::Fsin(r);
    case 2: return -detail::Fcos(r);
    default: return detail::Fsin(r);
  }
}

// The signs (-1, 0, 1) of sin x and cos x without computing them: the quadrant and the sign
// of the reduced argument decide, exactly as they decide the signs of Sin and Cos.
inline void SinCosSigns(Extended x, int& sinSign, int& cosSign) {
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
inline Extended Exp(Extended x) {
  if (!(std::fabs(x) < 11000)) return std::exp(x);
  uint64_t bits;
  const Extended k = detail::RoundToInteger(x * detail::Log2E, bits);
  const Extended r = (x - k * detail::Ln2Hi) - k * detail::Ln2Lo;
  Extended f = r * detail::Log2E;
  asm("f2xm1" : "+t"(f));
  Extended out;
  asm("fscale" : "=t"(out) : "0"(f + 1), "u"(k));
  return out;
}

// Natural logarithm of x > 0.
inline Extended Log(Extended x) {
  if (!(x > 0) || !std::isfinite(x)) return std::log(x);
  Extended out;
  asm("fldln2\n\tfxch %%st(1)\n\tfyl2x" : "=t"(out) : "0"(x) : "st(1)");
  return out;
}

// Arc tangent.
inline Extended Atan(Extended x) {
  if (!std::isfinite(x)) return std::atan(x);
  Extended out;
  asm("fld1\n\tfpatan" : "=t"(out) : "0"(x) : "st(1)");
  return out;
}

}  // namespace xmath
