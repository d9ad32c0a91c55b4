#include "formula/CircleGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "GeometryTestSupport.h"
#include "formula/VectorGeometry.h"
#include "platform/Runtime.h"

using namespace geometry_test;

namespace {

using CircleGeometryTest = GeometryTest;

const Extended kHalfRoot3 = std::sqrt(3.0L) / 2;

Extended Distance(const TSpacePoint& a, const TSpacePoint& b) { return PointDistance(a, b); }

// Distance from c to the line through t perpendicular to t - centre (the tangent at t).
Extended DistanceToTangentAt(const TSpacePoint& t, const TSpacePoint& centre, const TSpacePoint& c) {
  const TSpacePoint n = UnitVector(VecSub(t, centre));
  return std::fabs(VecDot(n, VecSub(c, t)));
}

TEST_F(CircleGeometryTest, TangentPointsFromOutside) {
  const TSpacePoint o = P(0, 0), p = P(2, 0);
  // Code 11 is the left tangent seen from p, code 12 the right one.
  ExpectNear(TangentPointFromOutside(p, o, "1", 11), 0.5L, -kHalfRoot3);
  ExpectNear(TangentPointFromOutside(p, o, "1", 12), 0.5L, kHalfRoot3);
  // The radius is squared as a text: a negative radius is the same circle.
  ExpectNear(TangentPointFromOutside(p, o, "-1", 12), 0.5L, kHalfRoot3);

  const TSpacePoint far = P(3, 4), centre = P(1, 1);
  for (int code : {11, 12}) {
    const TSpacePoint t = TangentPointFromOutside(far, centre, "2", code);
    EXPECT_NEAR(static_cast<double>(Distance(t, centre)), 2, 1e-15);
    EXPECT_NEAR(static_cast<double>(VecDot(VecSub(t, centre), VecSub(far, t))), 0, 1e-15);
  }
}

TEST_F(CircleGeometryTest, TangentFromInsideOnOrAtTheCentre) {
  const TSpacePoint o = P(0, 0);
  EXPECT_FALSE(TangentPointFromOutside(P(0.5L, 0), o, "1", 11).valid);
  EXPECT_FALSE(TangentPointFromOutside(o, o, "0", 11).valid);
  ExpectNear(TangentPointFromOutside(P(1, 0), o, "1", 11), 1, 0);
  EXPECT_FALSE(TangentPointFromOutside(P(2, 0), o, "1+", 11).valid);  // a text that does not parse
}

TEST_F(CircleGeometryTest, CommonTangentPointsLieOnTheFirstCircle) {
  const TSpacePoint c1 = P(0, 0), c2 = P(4, 0);
  ExpectNear(CommonTangentPoint(c1, c2, "1", "1", 16), 0, -1);
  ExpectNear(CommonTangentPoint(c1, c2, "1", "1", 17), 0, 1);
  ExpectNear(CommonTangentPoint(c1, c2, "1", "1", 18), 0.5L, -kHalfRoot3);
  ExpectNear(CommonTangentPoint(c1, c2, "1", "1", 19), 0.5L, kHalfRoot3);

  // Unequal circles in a slanted position: each point is on the first circle and its
  // tangent there touches the second; outer tangents keep both centres on one side.
  const TSpacePoint a = P(-1, 2), b = P(5, -1);
  for (int code : {16, 17, 18, 19}) {
    SCOPED_TRACE(code);
    const TSpacePoint t = CommonTangentPoint(a, b, "1.5", "2.5", code);
    ASSERT_TRUE(t.valid);
    EXPECT_NEAR(static_cast<double>(Distance(t, a)), 1.5, 1e-15);
    EXPECT_NEAR(static_cast<double>(DistanceToTangentAt(t, a, b)), 2.5, 1e-15);
    const TSpacePoint n = VecSub(t, a);
    const bool sameSide = (VecDot(n, VecSub(a, t)) < 0) == (VecDot(n, VecSub(b, t)) < 0);
    EXPECT_EQ(sameSide, code <= 17);
  }
}

TEST_F(CircleGeometryTest, CommonTangentsThatDoNotExist) {
  EXPECT_FALSE(CommonTangentPoint(P(0, 0), P(0, 0), "1", "2", 16).valid);
  EXPECT_FALSE(CommonTangentPoint(P(0, 0), P(1, 0), "1", "1", 18).valid);  // overlapping: no inner tangent
  EXPECT_TRUE(CommonTangentPoint(P(0, 0), P(1, 0), "1", "1", 16).valid);
  EXPECT_FALSE(CommonTangentPoint(P(0, 0), P(1, 0), "3", "1", 16).valid);  // one circle inside the other
}

TEST_F(CircleGeometryTest, CircleIntersectionDoesNotDependOnTheOrder) {
  struct Case {
    TSpacePoint c1, c2;
    const char *r1, *r2;
  };
  const std::vector<Case> cases = {
      {P(0, 0), P(1, 0), "1", "1"},
      {P(2, 3), P(2, -1), "3", "2"},
      {P(-1, 0.5L), P(1.5L, 2), "2", "1.25"},
  };
  for (const Case& c : cases) {
    const TSpacePoint p = CircleCircleIntersection(c.c1, c.c2, c.r1, c.r2);
    const TSpacePoint q = CircleCircleIntersection(c.c2, c.c1, c.r2, c.r1);
    ASSERT_TRUE(p.valid);
    EXPECT_EQ(p.x, q.x);
    EXPECT_EQ(p.y, q.y);
    Extended r1, r2;
    rtl::TryStrToFloat(c.r1, r1);
    rtl::TryStrToFloat(c.r2, r2);
    EXPECT_NEAR(static_cast<double>(Distance(p, c.c1)), static_cast<double>(r1), 1e-15);
    EXPECT_NEAR(static_cast<double>(Distance(p, c.c2)), static_cast<double>(r2), 1e-15);
  }
  // The point left of the way from the centre of smaller x to the other.
  ExpectNear(CircleCircleIntersection(P(0, 0), P(1, 0), "1", "1"), 0.5L, kHalfRoot3, 0, 1e-15L);
}

TEST_F(CircleGeometryTest, CirclesThatDoNotMeet) {
  EXPECT_FALSE(CircleCircleIntersection(P(0, 0), P(3, 0), "1", "1").valid);
  EXPECT_FALSE(CircleCircleIntersection(P(0, 0), P(0, 0), "1", "1").valid);
  EXPECT_FALSE(CircleCircleIntersection(P(0, 0), P(0.5L, 0), "3", "1").valid);
  ExpectNear(CircleCircleIntersection(P(0, 0), P(2, 0), "1", "1"), 1, 0);  // touching
}

TEST_F(CircleGeometryTest, PointAtAngleAndTurns) {
  ExpectNear(CirclePointAtAngle(P(1, 1), "2", "pi/2"), 1, 3, 0, 1e-15L);
  ExpectNear(RotateScalePoint2D(P(0, 0), P(1, 0), "pi/2", "2"), 0, 2, 0, 1e-15L);
  ExpectNear(RotateScalePoint2D(P(1, 1), P(2, 1), "pi", "1"), 0, 1, 0, 1e-15L);
  EXPECT_FALSE(CirclePointAtAngle(P(0, 0), "sqrt(-1)", "0").valid);
  EXPECT_FALSE(RotateScalePoint2D(P(0, 0), P(1, 0), "(", "1").valid);
}

}  // namespace
