#include "formula/ExactVector.h"

#include "formula/Fraction.h"

ExactVector ExactOf(const TSpacePoint& p) { return {p.fx, p.fy, p.fz}; }

void StoreExact(TSpacePoint& p, const ExactVector& v) {
  p.fx = v.x;
  p.fy = v.y;
  p.fz = v.z;
}

TFraction FractionOf(int64_t n) { return MakeFraction(n, 1); }

TFraction FracAdd(const TFraction& a, const TFraction& b) { TFraction o; FractionAddSub(a, b, 0, o); return o; }
TFraction FracSub(const TFraction& a, const TFraction& b) { TFraction o; FractionAddSub(a, b, 1, o); return o; }
TFraction FracMul(const TFraction& a, const TFraction& b) { TFraction o; FractionMulDiv(a, b, 0, o); return o; }
TFraction FracDiv(const TFraction& a, const TFraction& b) { TFraction o; FractionMulDiv(a, b, 1, o); return o; }

ExactVector ExactAdd(const ExactVector& a, const ExactVector& b) {
  return {FracAdd(a.x, b.x), FracAdd(a.y, b.y), FracAdd(a.z, b.z)};
}

ExactVector ExactSub(const ExactVector& a, const ExactVector& b) {
  return {FracSub(a.x, b.x), FracSub(a.y, b.y), FracSub(a.z, b.z)};
}

ExactVector ExactTimes(const ExactVector& v, const TFraction& k) {
  return {FracMul(v.x, k), FracMul(v.y, k), FracMul(v.z, k)};
}

ExactVector ExactOver(const ExactVector& v, const TFraction& k) {
  return {FracDiv(v.x, k), FracDiv(v.y, k), FracDiv(v.z, k)};
}

ExactVector ExactScaleInt(const ExactVector& v, int64_t k) { return ExactTimes(v, FractionOf(k)); }

ExactVector ExactDivInt(const ExactVector& v, int64_t k) { return ExactOver(v, FractionOf(k)); }

TFraction ExactDot(const ExactVector& a, const ExactVector& b) {
  TSpacePoint p, q;
  StoreExact(p, a);
  StoreExact(q, b);
  TFraction out;
  VecDotExact(p, q, out);
  return out;
}
