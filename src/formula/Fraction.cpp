#include "formula/Fraction.h"

#include <cstdlib>

#include "formula/DocumentState.h"
#include "formula/Numeric.h"

bool IsExactFraction(const TFraction& f) {
  return f.exact && f.den != 0 && std::llabs(f.num) <= kFractionLimit &&
         std::llabs(f.den) <= kFractionLimit;
}

TFraction InexactFraction() { return TFraction{0, 0, 1}; }

TFraction MakeFraction(int64_t num, int64_t den) {
  if (den == 0) return InexactFraction();
  if (num == 0) return TFraction{1, 0, 1};
  ReduceFraction(num, den);
  if (std::llabs(num) > kFractionLimit || std::llabs(den) > kFractionLimit) return InexactFraction();
  return TFraction{1, static_cast<int32_t>(num), static_cast<int32_t>(den)};
}

void FractionAddSub(const TFraction& a, const TFraction& b, int op, TFraction& out) {
  if (!IsExactFraction(a) || !IsExactFraction(b)) {
    out = InexactFraction();
    return;
  }
  int64_t g = Gcd(a.den, b.den);
  int64_t aScale = b.den / g, bScale = a.den / g;
  int64_t den = int64_t{a.den} * aScale;
  int64_t left = int64_t{a.num} * aScale, right = int64_t{b.num} * bScale;
  out = MakeFraction(op == 0 ? left + right : left - right, den);
}

void FractionMulDiv(const TFraction& a, const TFraction& b, int op, TFraction& out) {
  if (!IsExactFraction(a) || !IsExactFraction(b)) {
    out = InexactFraction();
    return;
  }
  if (op == 0)
    out = MakeFraction(int64_t{a.num} * b.num, int64_t{a.den} * b.den);
  else
    out = MakeFraction(int64_t{a.num} * b.den, int64_t{a.den} * b.num);
}

void FractionScale(const TFraction& f, int64_t k, int op, TFraction& out) {
  // Beyond limit^2 no cancellation can bring a part back within the limit, and below it
  // the 64-bit products cannot overflow.
  constexpr int64_t kScaleBound = kFractionLimit * kFractionLimit;
  if (!IsExactFraction(f) || k > kScaleBound || k < -kScaleBound) {
    out = InexactFraction();
    return;
  }
  if (op == 0)
    out = MakeFraction(int64_t{f.num} * k, f.den);
  else
    out = MakeFraction(f.num, int64_t{f.den} * k);
}

namespace {

TFraction SquaredDifference(const TFraction& a, const TFraction& b) {
  TFraction d, sq;
  FractionAddSub(a, b, 1, d);
  FractionMulDiv(d, d, 0, sq);
  return sq;
}

}  // namespace

void DistanceSquaredExact(const TSpacePoint& p, const TSpacePoint& q, TFraction& out) {
  TFraction dz2 = SquaredDifference(p.fz, q.fz);
  TFraction dy2 = SquaredDifference(p.fy, q.fy);
  TFraction dx2 = SquaredDifference(p.fx, q.fx);
  TFraction xy;
  FractionAddSub(dx2, dy2, 0, xy);
  FractionAddSub(xy, dz2, 0, out);
}

void VecDotExact(const TSpacePoint& p, const TSpacePoint& q, TFraction& out) {
  TFraction xx, yy;
  FractionMulDiv(p.fx, q.fx, 0, xx);
  FractionMulDiv(p.fy, q.fy, 0, yy);
  FractionAddSub(xx, yy, 0, out);
  if (doc.Dimension == 3) {
    TFraction zz, sum = out;
    FractionMulDiv(p.fz, q.fz, 0, zz);
    FractionAddSub(sum, zz, 0, out);
  }
}
