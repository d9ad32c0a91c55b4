#pragma once
// Exact rational arithmetic on TFraction. A result is exact only when its operands are
// and both of its reduced parts lie within kFractionLimit; otherwise it is marked inexact
// and its parts mean nothing. Intermediates are 64-bit, so nothing wraps.
#include <cstdint>

#include "formula/SpacePoint.h"

inline constexpr int64_t kFractionLimit = 100000;

// The fraction is exact and usable: flag set, parts within the limit, denominator non-zero.
bool IsExactFraction(const TFraction& f);
// num/den reduced with the sign in the numerator (0 as 0/1); inexact when den is 0 or a
// reduced part exceeds the limit.
TFraction MakeFraction(int64_t num, int64_t den);
TFraction InexactFraction();

// op 0: a + b, op 1: a - b.
void FractionAddSub(const TFraction& a, const TFraction& b, int op, TFraction& out);
// op 0: a * b, op 1: a / b (inexact when b is 0).
void FractionMulDiv(const TFraction& a, const TFraction& b, int op, TFraction& out);
// op 0: f * k, op 1: f / k (inexact when k is 0).
void FractionScale(const TFraction& f, int64_t k, int op, TFraction& out);

// (p.x-q.x)^2 + (p.y-q.y)^2 + (p.z-q.z)^2 from the points' fractions.
void DistanceSquaredExact(const TSpacePoint& p, const TSpacePoint& q, TFraction& out);
// p.x q.x + p.y q.y, plus p.z q.z in space.
void VecDotExact(const TSpacePoint& p, const TSpacePoint& q, TFraction& out);
