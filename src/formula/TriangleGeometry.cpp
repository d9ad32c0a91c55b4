#include "formula/TriangleGeometry.h"

#include <cmath>

#include "formula/ExactVector.h"
#include "formula/Fraction.h"
#include "formula/VectorGeometry.h"

namespace {

bool AllValid(const TSpacePoint& a, const TSpacePoint& b, const TSpacePoint& c) {
  return a.valid && b.valid && c.valid;
}

TSpacePoint Sum3(const TSpacePoint& a, const TSpacePoint& b, const TSpacePoint& c) {
  return VecAdd(VecAdd(a, b), c);
}

// (s - q) / 2 with the exact rule alongside.
TSpacePoint HalfDifference(const TSpacePoint& s, const TSpacePoint& q) {
  TSpacePoint d = VecSub(s, q);
  TSpacePoint out = CheckedPoint(MakePoint(d.x / 2, d.y / 2, d.z / 2));
  if (out.valid) SetExact(out, ExactDivInt(ExactOf(d), 2));
  return out;
}

}  // namespace

TSpacePoint TriangleCentroid(const TSpacePoint& a, const TSpacePoint& b, const TSpacePoint& c) {
  if (!AllValid(a, b, c)) return InvalidPoint();
  const TSpacePoint s = Sum3(a, b, c);
  TSpacePoint out = MakePoint(s.x / 3, s.y / 3, s.z / 3);
  SetExact(out, ExactDivInt(ExactOf(s), 3));
  return out;
}

TSpacePoint PerpendicularFoot(const TSpacePoint& p, const TSpacePoint& a, const TSpacePoint& b) {
  const TSpacePoint ab = VecSub(b, a);
  const Extended d = VecLengthSquared(ab);
  if (d == 0 || !std::isfinite(d)) return InvalidPoint();
  // ((ab·(p-a)) b + (ab·(b-p)) a) / |ab|^2
  const Extended wb = VecDot(ab, VecSub(p, a)), wa = VecDot(ab, VecSub(b, p));
  TSpacePoint out = CheckedPoint(MakePoint((wb * b.x + wa * a.x) / d, (wb * b.y + wa * a.y) / d,
                                           (wb * b.z + wa * a.z) / d));
  if (!out.valid) return out;
  TFraction dd;
  DistanceSquaredExact(a, b, dd);
  const ExactVector eab = ExactSub(ExactOf(b), ExactOf(a));
  const TFraction ewb = ExactDot(eab, ExactSub(ExactOf(p), ExactOf(a)));
  const TFraction ewa = ExactDot(eab, ExactSub(ExactOf(b), ExactOf(p)));
  ExactVector e = ExactOver(ExactAdd(ExactTimes(ExactOf(b), ewb), ExactTimes(ExactOf(a), ewa)), dd);
  SetExact(out, e);
  return out;
}

TSpacePoint Reflection(const TSpacePoint& p, const TSpacePoint& a, const TSpacePoint& b) {
  const TSpacePoint foot = PerpendicularFoot(p, a, b);
  if (!foot.valid) return foot;
  TSpacePoint out = MakePoint(2 * foot.x - p.x, 2 * foot.y - p.y, 2 * foot.z - p.z);
  SetExact(out, ExactSub(ExactScaleInt(ExactOf(foot), 2), ExactOf(p)));
  return CheckedPoint(out);
}

void LineIntersectionByPoints(const TSpacePoint& a, const TSpacePoint& b, const TSpacePoint& c,
                              const TSpacePoint& d, TSpacePoint& result) {
  LineIntersection2D(a.x, a.y, b.x, b.y, c.x, c.y, d.x, d.y, result);
  if (!result.valid) return;
  // The same Cramer's rule on the fractions.
  const ExactVector ea = ExactOf(a), eb = ExactOf(b), ec = ExactOf(c), ed = ExactOf(d);
  const ExactVector u = ExactSub(eb, ea), v = ExactSub(ed, ec), w = ExactSub(ec, ea);
  const TFraction det = FracSub(FracMul(u.x, v.y), FracMul(u.y, v.x));
  const TFraction s = FracDiv(FracSub(FracMul(w.x, v.y), FracMul(w.y, v.x)), det);
  ExactVector e = ExactAdd(ea, ExactTimes(u, s));
  e.z = TFraction{};
  SetExact(result, e);
}

TSpacePoint Orthocentre(const TSpacePoint& a, const TSpacePoint& b, const TSpacePoint& c) {
  const TSpacePoint u = VecSub(b, a), v = VecSub(c, a);
  if (VecIsZero(u) || VecIsZero(v)) return InvalidPoint();
  const Extended uv = VecDot(u, v), uu = VecLengthSquared(u), vv = VecLengthSquared(v);
  const Extended c1 = uv / uu, d1 = uv / vv, f = c1 * d1;
  if (f == 1) return InvalidPoint();  // collinear
  const Extended ku = (c1 - f) / (1 - f), kv = (d1 - f) / (1 - f);
  TSpacePoint out = CheckedPoint(
      MakePoint(a.x + ku * u.x + kv * v.x, a.y + ku * u.y + kv * v.y, a.z + ku * u.z + kv * v.z));
  if (!out.valid) return out;
  const ExactVector eu = ExactOf(u), ev = ExactOf(v);
  const TFraction euv = ExactDot(eu, ev);
  const TFraction ec1 = FracDiv(euv, ExactDot(eu, eu)), ed1 = FracDiv(euv, ExactDot(ev, ev));
  const TFraction ef = FracMul(ec1, ed1), one = FractionOf(1);
  const TFraction eku = FracDiv(FracSub(ec1, ef), FracSub(one, ef));
  const TFraction ekv = FracDiv(FracSub(ed1, ef), FracSub(one, ef));
  SetExact(out, ExactAdd(ExactOf(a), ExactAdd(ExactTimes(eu, eku), ExactTimes(ev, ekv))));
  return out;
}

TSpacePoint Circumcentre(const TSpacePoint& a, const TSpacePoint& b, const TSpacePoint& c) {
  const TSpacePoint h = Orthocentre(a, b, c);
  if (!h.valid) return h;
  return HalfDifference(Sum3(a, b, c), h);
}

TSpacePoint NinePointCentre(const TSpacePoint& a, const TSpacePoint& b, const TSpacePoint& c) {
  const TSpacePoint o = Circumcentre(a, b, c);
  if (!o.valid) return o;
  return HalfDifference(Sum3(a, b, c), o);
}

TSpacePoint TriangleIncentre(const TSpacePoint& a, const TSpacePoint& b, const TSpacePoint& c, int type) {
  Extended la = PointDistance(b, c), lb = PointDistance(c, a), lc = PointDistance(a, b);
  if (type == 3) lc = -lc;
  if (type == 4) lb = -lb;
  if (type == 5) la = -la;
  const Extended w = la + lb + lc;
  if (w == 0) return InvalidPoint();
  return CheckedPoint(MakePoint((la * a.x + lb * b.x + lc * c.x) / w, (la * a.y + lb * b.y + lc * c.y) / w,
                                (la * a.z + lb * b.z + lc * c.z) / w));
}
