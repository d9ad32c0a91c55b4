#include "formula/ExactVector.h"

#include "formula/Fraction.h"

ExactVector ExactOf(const TSpacePoint& p) { return {p.fx, p.fy, p.fz}; }

void StoreExact(TSpacePoint& p, const ExactVector& v) {
  p.fx = v.x;
  p.fy = v.y;
  p.fz = v.z;
}

TFraction FractionOf(int64_t n) { return MakeFraction(n, 1); }

TFraction FracAdd(const TFraction& a, const TFraction& b) {
  TFraction out;
  FractionAddSub(a, b, 0, out);
  return out;
}

TFraction FracSub(const TFraction& a, const TFraction& b) {
  TFraction out;
  FractionAddSub(a, b, 1, out);
  return out;
}

TFraction FracMul(const TFraction& a, const TFraction& b) {
  TFraction out;
  FractionMulDiv(a, b, 0, out);
  return out;
}

TFraction FracDiv(const TFraction& a, const TFraction& b) {
  TFraction out;
  FractionMulDiv(a, b, 1, out);
  return out;
}

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

ExactVector ExactScaleInt(const ExactVector& v, int64_t k) {
  ExactVector out;
  FractionScale(v.x, k, 0, out.x);
  FractionScale(v.y, k, 0, out.y);
  FractionScale(v.z, k, 0, out.z);
  return out;
}

ExactVector ExactDivInt(const ExactVector& v, int64_t k) {
  ExactVector out;
  FractionScale(v.x, k, 1, out.x);
  FractionScale(v.y, k, 1, out.y);
  FractionScale(v.z, k, 1, out.z);
  return out;
}

TFraction ExactDot(const ExactVector& a, const ExactVector& b) {
  TSpacePoint p, q;
  StoreExact(p, a);
  StoreExact(q, b);
  TFraction out;
  VecDotExact(p, q, out);
  return out;
}
