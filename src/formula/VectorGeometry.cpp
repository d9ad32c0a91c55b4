#include "formula/VectorGeometry.h"

#include <cmath>

#include "formula/DocumentState.h"
#include "formula/Fraction.h"

bool ExactModeOn() { return eng.UseFigureFormulas == 1; }

void MarkInexact(TSpacePoint& p) {
  p.fx = InexactFraction();
  p.fy = InexactFraction();
  if (doc.Dimension != 3 && p.z == 0)
    p.fz = TFraction{};
  else
    p.fz = InexactFraction();
}

void SetExact(TSpacePoint& p, const ExactVector& exact) {
  if (ExactModeOn())
    StoreExact(p, exact);
  else
    MarkInexact(p);
}

void InvalidatePoint(TSpacePoint& p) {
  p.x = p.y = p.z = 0;
  p.valid = 0;
  MarkInexact(p);
}

TSpacePoint InvalidPoint() {
  TSpacePoint p;
  InvalidatePoint(p);
  return p;
}

bool IsFinitePoint(const TSpacePoint& p) {
  return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

TSpacePoint MakePoint(Extended x, Extended y, Extended z) {
  TSpacePoint p;
  p.x = x;
  p.y = y;
  p.z = z;
  MarkInexact(p);
  return p;
}

TSpacePoint CheckedPoint(const TSpacePoint& p) {
  TSpacePoint out = p;
  if (!IsFinitePoint(out)) InvalidatePoint(out);
  return out;
}

TSpacePoint VecAddSub(const TSpacePoint& a, const TSpacePoint& b, int op) {
  const Extended s = op == 0 ? 1 : -1;
  TSpacePoint out = MakePoint(a.x + s * b.x, a.y + s * b.y, a.z + s * b.z);
  out.valid = a.valid && b.valid;
  SetExact(out, op == 0 ? ExactAdd(ExactOf(a), ExactOf(b)) : ExactSub(ExactOf(a), ExactOf(b)));
  return out;
}

TSpacePoint VecScale(const TSpacePoint& v, Extended k) {
  TSpacePoint out = v;
  out.x *= k;
  out.y *= k;
  out.z *= k;
  MarkInexact(out);
  return out;
}

Extended VecDot(const TSpacePoint& a, const TSpacePoint& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Extended VecLengthSquared(const TSpacePoint& v) { return VecDot(v, v); }

Extended VecLength(const TSpacePoint& v) { return std::sqrt(VecLengthSquared(v)); }

Extended PointDistance(const TSpacePoint& a, const TSpacePoint& b) { return VecLength(VecSub(a, b)); }

Extended VecCosAngle(const TSpacePoint& a, const TSpacePoint& b) {
  const Extended la = VecLength(a), lb = VecLength(b);
  if (la == 0 || lb == 0) return 0;
  return VecDot(a, b) / (la * lb);
}

TSpacePoint VecCross(const TSpacePoint& a, const TSpacePoint& b) {
  TSpacePoint out = MakePoint(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x);
  out.valid = a.valid && b.valid;
  return out;
}

bool VecIsZero(const TSpacePoint& v) { return v.x == 0 && v.y == 0 && v.z == 0; }

TSpacePoint UnitVector(const TSpacePoint& v) {
  TSpacePoint out = v;
  if (VecIsZero(v)) {
    out.valid = 0;
    MarkInexact(out);
    return out;
  }
  return CheckedPoint(VecScale(v, 1 / VecLength(v)));
}

TSpacePoint PlaneNormal(const TSpacePoint& a, const TSpacePoint& b, const TSpacePoint& c, int unit) {
  TSpacePoint n = VecCross(VecSub(b, a), VecSub(c, a));
  if (VecIsZero(n)) {
    n.valid = 0;
    return n;
  }
  return unit == 1 ? UnitVector(n) : n;
}

bool PointsSpanSpace(const TSpacePoint& a, const TSpacePoint& b, const TSpacePoint& c,
                     const TSpacePoint& d) {
  const TSpacePoint u = VecSub(b, a), v = VecSub(c, a), w = VecSub(d, a);
  if (VecIsZero(u) || VecIsZero(v) || VecIsZero(w)) return false;
  return VecDot(VecCross(u, v), w) != 0;
}

TSpacePoint IntersectSlopeLines(Extended m1, Extended q1, Extended m2, Extended q2) {
  if (m1 == m2) return InvalidPoint();
  return CheckedPoint(MakePoint((q2 - q1) / (m1 - m2), (m1 * q2 - m2 * q1) / (m1 - m2), 0));
}

void LineIntersection2D(Extended x1, Extended y1, Extended x2, Extended y2, Extended x3, Extended y3,
                        Extended x4, Extended y4, TSpacePoint& result) {
  // (x2-x1) s - (x4-x3) t = x3 - x1, (y2-y1) s - (y4-y3) t = y3 - y1.
  const Extended det = (x2 - x1) * (y4 - y3) - (y2 - y1) * (x4 - x3);
  if (det == 0 || !std::isfinite(det)) {
    result.valid = 0;
    return;
  }
  const Extended s = ((x3 - x1) * (y4 - y3) - (y3 - y1) * (x4 - x3)) / det;
  TSpacePoint p = MakePoint(x1 + s * (x2 - x1), y1 + s * (y2 - y1), 0);
  result = CheckedPoint(p);
}

Extended LineProjectionParam(const TSpacePoint& p, const TSpacePoint& a, const TSpacePoint& b) {
  const TSpacePoint d = VecSub(b, a);
  const Extended dd = VecLengthSquared(d);
  if (dd == 0) return 0.5L;
  return VecDot(VecSub(p, a), d) / dd;
}
