#include "formula/CircleGeometry.h"

#include <cmath>
#include <utility>

#include "formula/GeometryTexts.h"
#include "formula/VectorGeometry.h"

namespace {

TSpacePoint PlanePoint(Extended x, Extended y) { return CheckedPoint(MakePoint(x, y, 0)); }

// The tangent pattern shared by the tangent from a point and the common tangents: the
// point c + (m v + e √h (vy, -vx)) / |v|^2 with v = p - c.
TSpacePoint TangentPattern(const TSpacePoint& p, const TSpacePoint& c, Extended m, Extended h, int e) {
  const Extended vx = p.x - c.x, vy = p.y - c.y, d2 = vx * vx + vy * vy;
  const Extended root = std::sqrt(h) * e;
  return PlanePoint((root * vy + vx * m) / d2 + c.x, (vy * m - root * vx) / d2 + c.y);
}

}  // namespace

TSpacePoint CirclePointAtAngle(const TSpacePoint& centre, const std::string& radiusText,
                               const std::string& angleText) {
  Extended r, theta;
  if (!EvaluateGeometryText(radiusText, r) || !EvaluateGeometryText(angleText, theta)) return InvalidPoint();
  return PlanePoint(centre.x + r * std::cos(theta), centre.y + r * std::sin(theta));
}

TSpacePoint TangentPointFromOutside(const TSpacePoint& p, const TSpacePoint& centre,
                                    const std::string& radiusText, int code) {
  Extended r2;
  if (!EvaluateSquaredGeometryText(radiusText, r2)) return InvalidPoint();
  const Extended dx = p.x - centre.x, dy = p.y - centre.y, d2 = dx * dx + dy * dy;
  if (d2 < r2 || d2 == 0) return InvalidPoint();
  return TangentPattern(p, centre, r2, (d2 - r2) * r2, code == 12 ? -1 : 1);
}

TSpacePoint CommonTangentPoint(const TSpacePoint& c1, const TSpacePoint& c2, const std::string& r1Text,
                               const std::string& r2Text, int code) {
  Extended r1, r2;
  if (!EvaluateGeometryText(r1Text, r1) || !EvaluateGeometryText(r2Text, r2)) return InvalidPoint();
  r1 = std::fabs(r1);
  r2 = std::fabs(r2);
  const Extended dx = c2.x - c1.x, dy = c2.y - c1.y, d2 = dx * dx + dy * dy;
  const int s = (code == 18 || code == 19) ? -1 : 1;
  const int e = (code == 17 || code == 19) ? -1 : 1;
  // The tangent's normal n satisfies n·(c2 - c1) = -s k with k = r2 - s r1; the point on
  // the first circle is c1 - r1 n. Seen from c2 it is the tangent point from outside once
  // r2 shrinks to 0.
  const Extended k = r2 - s * r1;
  const Extended h = r1 * r1 * (d2 - k * k);
  if (d2 == 0 || h < 0) return InvalidPoint();
  return TangentPattern(c2, c1, -s * r1 * k, h, e);
}

TSpacePoint CircleCircleIntersection(const TSpacePoint& c1, const TSpacePoint& c2, const std::string& r1Text,
                                     const std::string& r2Text) {
  Extended r1sq, r2sq;
  if (!EvaluateSquaredGeometryText(r1Text, r1sq) || !EvaluateSquaredGeometryText(r2Text, r2sq))
    return InvalidPoint();
  const TSpacePoint* p = &c1;
  const TSpacePoint* q = &c2;
  if (q->x < p->x || (q->x == p->x && q->y < p->y)) {
    std::swap(p, q);
    std::swap(r1sq, r2sq);
  }
  const Extended dx = q->x - p->x, dy = q->y - p->y, d2 = dx * dx + dy * dy;
  if (d2 == 0) return InvalidPoint();
  // Along the line of centres the radical line lies at a / d from p; h is the half chord.
  const Extended a = (d2 + r1sq - r2sq) / 2;  // times d
  const Extended h2 = r1sq * d2 - a * a;        // times d^2
  if (h2 < 0) return InvalidPoint();
  const Extended h = std::sqrt(h2);
  return PlanePoint(p->x + (a * dx - h * dy) / d2, p->y + (a * dy + h * dx) / d2);
}

TSpacePoint RotateScalePoint2D(const TSpacePoint& centre, const TSpacePoint& p, const std::string& angleText,
                               const std::string& ratioText) {
  Extended theta, ratio;
  if (!EvaluateGeometryText(angleText, theta) || !EvaluateGeometryText(ratioText, ratio)) return InvalidPoint();
  const Extended dx = p.x - centre.x, dy = p.y - centre.y;
  const Extended c = std::cos(theta), s = std::sin(theta);
  return PlanePoint(centre.x + ratio * (c * dx - s * dy), centre.y + ratio * (s * dx + c * dy));
}
