#pragma once
// The exact coordinates of a point taken as one vector of fractions, so that the exact
// rules of the constructions read like their floating formulas. Every operation goes
// through the fraction routines, so a part beyond the limit, or an inexact operand,
// makes that coordinate inexact.
#include <cstdint>

#include "formula/SpacePoint.h"

struct ExactVector {
  TFraction x, y, z;
};

ExactVector ExactOf(const TSpacePoint& p);
// Stores the three fractions into the point; its floating coordinates are untouched.
void StoreExact(TSpacePoint& p, const ExactVector& v);

ExactVector ExactAdd(const ExactVector& a, const ExactVector& b);
ExactVector ExactSub(const ExactVector& a, const ExactVector& b);
// Each coordinate times the fraction k.
ExactVector ExactTimes(const ExactVector& v, const TFraction& k);
// Each coordinate divided by the fraction k (inexact when k is 0).
ExactVector ExactOver(const ExactVector& v, const TFraction& k);
ExactVector ExactScaleInt(const ExactVector& v, int64_t k);
ExactVector ExactDivInt(const ExactVector& v, int64_t k);
// x·x' + y·y', plus z·z' in space (VecDotExact).
TFraction ExactDot(const ExactVector& a, const ExactVector& b);

TFraction FractionOf(int64_t n);
TFraction FracAdd(const TFraction& a, const TFraction& b);
TFraction FracSub(const TFraction& a, const TFraction& b);
TFraction FracMul(const TFraction& a, const TFraction& b);
TFraction FracDiv(const TFraction& a, const TFraction& b);
