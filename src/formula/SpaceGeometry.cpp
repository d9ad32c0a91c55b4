#include "formula/SpaceGeometry.h"

#include <cmath>

#include "formula/ExactVector.h"
#include "formula/TriangleGeometry.h"
#include "formula/VectorGeometry.h"

namespace {

// Unit normal of the face through p, q, r, turned towards the opposite vertex.
TSpacePoint InwardNormal(const TSpacePoint& p, const TSpacePoint& q, const TSpacePoint& r,
                         const TSpacePoint& opposite) {
  TSpacePoint n = PlaneNormal(p, q, r, 1);
  if (n.valid && VecDot(n, VecSub(opposite, p)) < 0) n = VecScale(n, -1);
  return n;
}

}  // namespace

TSpacePoint TetrahedronCentroid(const TSpacePoint& a, const TSpacePoint& b, const TSpacePoint& c,
                                const TSpacePoint& d) {
  if (!(a.valid && b.valid && c.valid && d.valid)) return InvalidPoint();
  const TSpacePoint s = VecAdd(VecAdd(VecAdd(a, b), c), d);
  TSpacePoint out = MakePoint(s.x / 4, s.y / 4, s.z / 4);
  SetExact(out, ExactDivInt(ExactOf(s), 4));
  return out;
}

TSpacePoint LinePlaneIntersection(const TSpacePoint& dir, const TSpacePoint& normal, const TSpacePoint& planePoint,
                                  const TSpacePoint& linePoint) {
  const Extended nd = VecDot(normal, dir);
  if (nd == 0 || !std::isfinite(nd)) return InvalidPoint();
  const Extended t = VecDot(normal, VecSub(planePoint, linePoint)) / nd;
  return CheckedPoint(VecAdd(linePoint, VecScale(dir, t)));
}

TSpacePoint TetrahedronCircumcentre(const TSpacePoint& a, const TSpacePoint& b, const TSpacePoint& c,
                                    const TSpacePoint& d) {
  const TSpacePoint o = Circumcentre(a, b, c);
  const TSpacePoint n = PlaneNormal(a, b, c, 0);
  if (!o.valid || !n.valid) return InvalidPoint();
  const TSpacePoint midAD = VecScale(VecAdd(a, d), 0.5L);
  TSpacePoint out = LinePlaneIntersection(n, VecSub(a, d), midAD, o);
  MarkInexact(out);
  return out;
}

TSpacePoint TetrahedronInOrExcentre(const TSpacePoint& a, const TSpacePoint& b, const TSpacePoint& c,
                                    const TSpacePoint& d, int sign) {
  // nX: the unit normal of the face opposite X, pointing into the tetrahedron.
  const TSpacePoint nA = InwardNormal(b, c, d, a), nB = InwardNormal(a, c, d, b);
  const TSpacePoint nC = InwardNormal(a, b, d, c), nD = InwardNormal(a, b, c, d);
  if (!(nA.valid && nB.valid && nC.valid && nD.valid)) return InvalidPoint();
  // The bisector planes at the edges AD (faces B, C) and AC (faces B, D) meet in a line
  // through A; the bisector at CD (faces A, B; interior or exterior by sign) cuts it.
  const TSpacePoint dir = VecCross(VecSub(nB, nC), VecSub(nB, nD));
  if (VecIsZero(dir)) return InvalidPoint();
  const TSpacePoint cut = VecSub(nB, VecScale(nA, sign));
  TSpacePoint out = LinePlaneIntersection(dir, cut, c, a);
  MarkInexact(out);
  return out;
}

bool NormalToCircleAngles(const TSpacePoint& n, TAxisAngles& angles) {
  const Extended length = VecLength(n);
  if (length == 0 || !std::isfinite(length)) return false;
  const Extended horizontal = std::sqrt(n.x * n.x + n.y * n.y);
  angles.cosTilt = n.z / length;
  angles.sinTilt = horizontal / length;
  if (horizontal == 0) {
    angles.cosAz = 1;
    angles.sinAz = 0;
  } else {
    angles.cosAz = n.x / horizontal;
    angles.sinAz = n.y / horizontal;
  }
  return true;
}

TSpacePoint RotateZ(const TSpacePoint& v, Extended c, Extended s) {
  TSpacePoint out = v;
  out.x = c * v.x - s * v.y;
  out.y = s * v.x + c * v.y;
  MarkInexact(out);
  return out;
}

TSpacePoint RotateY(const TSpacePoint& v, Extended c, Extended s) {
  TSpacePoint out = v;
  out.x = c * v.x + s * v.z;
  out.z = -s * v.x + c * v.z;
  MarkInexact(out);
  return out;
}

TSpacePoint AlignToNormal(const TSpacePoint& v, Extended cosAz, Extended sinAz, Extended cosTilt,
                          Extended sinTilt) {
  return RotateZ(RotateY(RotateZ(v, cosAz, -sinAz), cosTilt, sinTilt), cosAz, sinAz);
}

TSpacePoint RotatePointAboutAxis(const TSpacePoint& p, const TSpacePoint& centre, const TAxisAngles& axis,
                                 Extended scale, Extended angle) {
  TSpacePoint v = VecSub(p, centre);
  if (scale != 1) v = VecScale(v, scale);
  v = AlignToNormal(v, axis.cosAz, axis.sinAz, axis.cosTilt, -axis.sinTilt);
  v = RotateZ(v, std::cos(angle), std::sin(angle));
  v = AlignToNormal(v, axis.cosAz, axis.sinAz, axis.cosTilt, axis.sinTilt);
  TSpacePoint out = CheckedPoint(VecAdd(centre, v));
  MarkInexact(out);
  return out;
}
