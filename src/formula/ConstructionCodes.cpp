#include "formula/ConstructionCodes.h"

#include <cmath>
#include <string>
#include <vector>

#include "formula/CircleGeometry.h"
#include "formula/ConstructedPoints.h"
#include "formula/ConstructionOperands.h"
#include "formula/DocumentState.h"
#include "formula/GeometryTexts.h"
#include "formula/SpaceGeometry.h"
#include "formula/TriangleGeometry.h"
#include "formula/VectorGeometry.h"

namespace {

// Codes 0, 20, 21: the ratio m : n is the second and fourth text.
TSpacePoint Division(const Tfuncprop& e, bool external) {
  TSpacePoint ab[2];
  if (!FetchPoints(e.texts[0], 2, ab)) return InvalidPoint();
  // External division negates the whole ratio text, so that "1+1" stays 2.
  const std::string nText = external ? "-(" + e.texts[3] + ")" : e.texts[3];
  Extended m, n;
  TFraction fm, fn;
  if (!EvaluateExactGeometryText(e.texts[1], m, fm) || !EvaluateExactGeometryText(nText, n, fn)) return InvalidPoint();
  return DivisionPoint(ab[0], ab[1], m, fm, n, fn);
}

// Code 5: the side named by two letters of the triangle gives the excentre beyond it, by
// the sum of their positions in the triangle's text (3 side AB, 4 AC, 5 BC).
TSpacePoint Excentre(const Tfuncprop& e, const TSpacePoint (&t)[3]) {
  const std::vector<int> vertices = PointNumbersOf(e.texts[0]);
  const std::vector<int> side = PointNumbersOf(e.texts[1]);
  if (side.size() != 2 || side[0] == side[1]) return InvalidPoint();
  int sum = 0;
  for (int letter : side) {
    int position = 0;
    for (int i = 0; i < 3 && !position; ++i)
      if (letter != 0 && vertices[i] == letter) position = i + 1;
    if (!position) return InvalidPoint();
    sum += position;
  }
  return TriangleIncentre(t[0], t[1], t[2], sum);
}

TSpacePoint TriangleCentre(const Tfuncprop& e, int code) {
  TSpacePoint t[3];
  if (!FetchPoints(e.texts[0], 3, t)) return InvalidPoint();
  switch (code) {
    case kCentroid: return TriangleCentroid(t[0], t[1], t[2]);
    case kCircumcentre: return Circumcentre(t[0], t[1], t[2]);
    case kIncentre: return TriangleIncentre(t[0], t[1], t[2], 0);
    case kOrthocentre: return Orthocentre(t[0], t[1], t[2]);
    case kExcentre: return Excentre(e, t);
    default: return NinePointCentre(t[0], t[1], t[2]);
  }
}

// Codes 6, 7, 26, 27: the point P of the first text against a line.
TSpacePoint FootOrReflection(const TSpacePoint& p, const TSpacePoint& a, const TSpacePoint& b, bool reflect) {
  return reflect ? Reflection(p, a, b) : PerpendicularFoot(p, a, b);
}

TSpacePoint AgainstLineByLetters(const Tfuncprop& e, bool reflect) {
  TSpacePoint p, ab[2];
  if (!FetchPoints(e.texts[0], 1, &p) || !FetchPoints(e.texts[1], 2, ab)) return InvalidPoint();
  return FootOrReflection(p, ab[0], ab[1], reflect);
}

TSpacePoint AgainstLineFigure(const Tfuncprop& e, bool reflect) {
  TSpacePoint p;
  TLineOperand line;
  if (!FetchPoints(e.texts[0], 1, &p) || !FetchLine(e.texts[1], line)) return InvalidPoint();
  return FootOrReflection(p, line.a, line.b, reflect);
}

void LinesByLetters(const Tfuncprop& e, TSpacePoint& point) {
  TSpacePoint ab[2], cd[2];
  if (!FetchPoints(e.texts[0], 2, ab) || !FetchPoints(e.texts[1], 2, cd)) {
    point = InvalidPoint();
    return;
  }
  LineIntersectionByPoints(ab[0], ab[1], cd[0], cd[1], point);
}

void LineFigures(const Tfuncprop& e, TSpacePoint& point) {
  TLineOperand l1, l2;
  if (!FetchLine(e.texts[0], l1) || !FetchLine(e.texts[1], l2)) {
    point = InvalidPoint();
    return;
  }
  LineIntersectionByPoints(l1.a, l1.b, l2.a, l2.b, point);
}

// Code 9; an empty ratio is written back as "1".
TSpacePoint Rotation(int entryNumber, const Tfuncprop& e) {
  TSpacePoint o, p;
  if (!FetchPoints(e.texts[0], 1, &o) || !FetchPoints(e.texts[1], 1, &p)) return InvalidPoint();
  std::string ratio = e.texts[4];
  if (ratio.empty()) {
    ratio = "1";
    doc.FigureTable[entryNumber].texts[4] = ratio;
  }
  return RotateScalePoint2D(o, p, e.texts[3], ratio);
}

TSpacePoint OnCircle(const Tfuncprop& e, int code) {
  TCircleOperand circle;
  if (!FetchCircle(e.texts[0], circle)) return InvalidPoint();
  if (code == kPointOnCircle) return CirclePointAtAngle(circle.centre, circle.radiusText, e.texts[1]);
  TSpacePoint p;
  if (!FetchPoints(e.texts[1], 1, &p)) return InvalidPoint();
  return TangentPointFromOutside(p, circle.centre, circle.radiusText, code);
}

TSpacePoint TwoCircles(const Tfuncprop& e, int code) {
  TCircleOperand c1, c2;
  if (!FetchCircle(e.texts[0], c1) || !FetchCircle(e.texts[1], c2)) return InvalidPoint();
  if (code == kCircleIntersection)
    return CircleCircleIntersection(c1.centre, c2.centre, c1.radiusText, c2.radiusText);
  return CommonTangentPoint(c1.centre, c2.centre, c1.radiusText, c2.radiusText, code);
}

TSpacePoint LineAndSphere(const Tfuncprop& e) {
  TCircleOperand sphere;
  TSpacePoint ab[2];
  Extended r;
  if (!FetchCircle(e.texts[0], sphere) || !FetchPoints(e.texts[1], 2, ab) ||
      !EvaluateGeometryText(sphere.radiusText, r))
    return InvalidPoint();
  return LineSphereIntersection(sphere.centre, ab[0], ab[1], r);
}

// Code 30: latitude θ (second text) and longitude φ (fourth text) on a sphere figure.
TSpacePoint OnSphere(const Tfuncprop& e) {
  TCircleOperand sphere;
  Extended r, theta, phi;
  if (!FetchCircle(e.texts[0], sphere) || !EvaluateGeometryText(sphere.radiusText, r) ||
      !EvaluateGeometryText(e.texts[1], theta) || !EvaluateGeometryText(e.texts[3], phi))
    return InvalidPoint();
  const TSpacePoint& c = sphere.centre;
  return CheckedPoint(MakePoint(c.x + r * std::cos(theta) * std::cos(phi), c.y + r * std::cos(theta) * std::sin(phi),
                                c.z + r * std::sin(theta)));
}

// Code 31: the foot of P on the plane of a plane figure.
TSpacePoint FootOnPlaneFigure(const Tfuncprop& e) {
  TSpacePoint p;
  TPlaneOperand plane;
  if (!FetchPoints(e.texts[0], 1, &p) || !FetchPlane(e.texts[1], plane)) return InvalidPoint();
  const TSpacePoint& d = plane.normal;
  return CheckedPoint(VecAdd(p, VecScale(d, VecDot(d, VecSub(plane.point, p)) / VecLengthSquared(d))));
}

// Codes 32, 33, 35: the plane through the three points of the second text.
TSpacePoint AgainstPlaneByLetters(const Tfuncprop& e, int code) {
  eng.UseFigureFormulas = 0;
  const int onFirst = code == kLinePlane ? 2 : 1;
  TSpacePoint first[2], cde[3];
  if (!FetchPoints(e.texts[0], onFirst, first) || !FetchPoints(e.texts[1], 3, cde)) return InvalidPoint();
  const TSpacePoint n = PlaneNormal(cde[0], cde[1], cde[2], 0);
  if (!n.valid) return InvalidPoint();
  const TSpacePoint& p = first[0];
  switch (code) {
    case kFootOnPlane: return LinePlaneIntersection(n, n, cde[0], p);
    case kPointOnNormal: return CheckedPoint(VecAdd(p, n));
    default: return LinePlaneIntersection(VecSub(first[1], p), n, cde[0], p);
  }
}

// Code 34: P (second text) turned about the axis AB (first text), scaled from its foot.
TSpacePoint AboutAxis(const Tfuncprop& e) {
  TSpacePoint ab[2], p;
  if (!FetchPoints(e.texts[0], 2, ab) || !FetchPoints(e.texts[1], 1, &p)) return InvalidPoint();
  Extended angle, scale = 1;
  if (!EvaluateGeometryText(e.texts[3], angle)) return InvalidPoint();
  if (!e.texts[4].empty() && !EvaluateGeometryText(e.texts[4], scale)) return InvalidPoint();
  TAxisAngles axis;
  const TSpacePoint foot = PerpendicularFoot(p, ab[0], ab[1]);
  if (!foot.valid || !NormalToCircleAngles(VecSub(ab[1], ab[0]), axis)) return InvalidPoint();
  return RotatePointAboutAxis(p, foot, axis, scale, angle);
}

TSpacePoint Tetrahedron(const Tfuncprop& e, int code) {
  TSpacePoint t[4];
  if (!FetchPoints(e.texts[0], 4, t) || !PointsSpanSpace(t[0], t[1], t[2], t[3])) return InvalidPoint();
  switch (code) {
    case kTetrahedronCentroid: return TetrahedronCentroid(t[0], t[1], t[2], t[3]);
    case kTetrahedronCircumcentre: return TetrahedronCircumcentre(t[0], t[1], t[2], t[3]);
    case kInsphereCentre: return TetrahedronInOrExcentre(t[0], t[1], t[2], t[3], 1);
    default: return TetrahedronInOrExcentre(t[0], t[1], t[2], t[3], -1);
  }
}

// Code 45: line AB against the plane of a plane figure.
TSpacePoint LineAndPlaneFigure(const Tfuncprop& e) {
  TSpacePoint ab[2];
  TPlaneOperand plane;
  if (!FetchPoints(e.texts[0], 2, ab) || !FetchPlane(e.texts[1], plane)) return InvalidPoint();
  return LinePlaneIntersection(VecSub(ab[1], ab[0]), plane.normal, plane.point, ab[0]);
}

bool WithoutExactRule(int code) {
  return code == kRotation || (code >= kPointOnSphere && code <= kLinePlane) ||
         (code >= kTetrahedronCircumcentre && code <= kLineSphereSpace) || code == kLinePlaneFigure;
}

}  // namespace

void ConstructByCode(int entryNumber, const Tfuncprop& e, TSpacePoint& point) {
  const int code = e.subkind;
  switch (code) {
    case kDivisionPoint:
    case kInternalDivision: point = Division(e, false); break;
    case kExternalDivision: point = Division(e, true); break;
    case kCentroid:
    case kCircumcentre:
    case kIncentre:
    case kOrthocentre:
    case kExcentre:
    case kNinePointCentre: point = TriangleCentre(e, code); break;
    case kFoot:
    case kReflection: point = AgainstLineByLetters(e, code == kReflection); break;
    case kLineIntersection: LinesByLetters(e, point); break;
    case kRotation: point = Rotation(entryNumber, e); break;
    case kPointOnCircle:
    case kTangentLeft:
    case kTangentRight: point = OnCircle(e, code); break;
    case kCircleIntersection:
    case kOuterTangent1:
    case kOuterTangent2:
    case kInnerTangent1:
    case kInnerTangent2: point = TwoCircles(e, code); break;
    case kLineSphere:
    case kLineSphereSpace: point = LineAndSphere(e); break;
    case kFootOnLineFigure:
    case kReflectionInLineFigure: point = AgainstLineFigure(e, code == kReflectionInLineFigure); break;
    case kLineFigureIntersection: LineFigures(e, point); break;
    case kPointOnSphere: point = OnSphere(e); break;
    case kFootOnPlaneFigure: point = FootOnPlaneFigure(e); break;
    case kFootOnPlane:
    case kPointOnNormal:
    case kLinePlane: point = AgainstPlaneByLetters(e, code); break;
    case kRotationAboutAxis: point = AboutAxis(e); break;
    case kTetrahedronCentroid:
    case kTetrahedronCircumcentre:
    case kInsphereCentre:
    case kExsphereCentre: point = Tetrahedron(e, code); break;
    case kLinePlaneFigure: point = LineAndPlaneFigure(e); break;
    default: point = InvalidPoint(); break;
  }
  if (WithoutExactRule(code)) MarkInexact(point);
}
