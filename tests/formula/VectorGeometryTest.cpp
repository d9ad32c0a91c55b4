#include "formula/VectorGeometry.h"

#include <gtest/gtest.h>

#include <cmath>

#include "GeometryTestSupport.h"

using namespace geometry_test;

namespace {

using VectorGeometryTest = GeometryTest;

TEST_F(VectorGeometryTest, AddAndSubtractKeepExactFractionsWhileExactModeIsOn) {
  TSpacePoint a = P(0.5L, 1), b = P(0.25L, -2);
  a.fx = TFraction{1, 1, 2};
  a.fy = TFraction{1, 1, 1};
  b.fx = TFraction{1, 1, 4};
  b.fy = TFraction{1, -2, 1};
  const TSpacePoint s = VecAdd(a, b), d = VecSub(a, b);
  ExpectNear(s, 0.75L, -1);
  ExpectNear(d, 0.25L, 3);
  ExpectExact(s.fx, 3, 4);
  ExpectExact(d.fy, 3, 1);
  ExpectExact(s.fz, 0, 1);

  eng.UseFigureFormulas = 0;
  const TSpacePoint off = VecAdd(a, b);
  EXPECT_FALSE(IsExactFraction(off.fx));
  EXPECT_FALSE(IsExactFraction(off.fy));
  ExpectExact(off.fz, 0, 1);  // the plane's z is 0 by construction
}

TEST_F(VectorGeometryTest, ScaledCrossedAndSpaceResultsAreInexact) {
  const TSpacePoint a = PExact(1, 2, 0), b = PExact(3, 4, 0);
  const TSpacePoint scaled = VecScale(a, 2);
  ExpectNear(scaled, 2, 4);
  EXPECT_FALSE(IsExactFraction(scaled.fx));
  EXPECT_FALSE(IsExactFraction(VecCross(a, b).fx));
  EXPECT_FALSE(IsExactFraction(UnitVector(a).fy));

  doc.Dimension = 3;
  EXPECT_FALSE(IsExactFraction(VecScale(a, 2).fz));
}

TEST_F(VectorGeometryTest, DotLengthAngleAndCross) {
  const TSpacePoint a = P(3, 4, 0), b = P(0, 0, 2);
  EXPECT_EQ(VecDot(a, P(1, 1, 1)), 7);
  EXPECT_EQ(VecLength(a), 5);
  EXPECT_EQ(PointDistance(a, P(0, 0, 0)), 5);
  EXPECT_EQ(VecCosAngle(a, b), 0);
  EXPECT_EQ(VecCosAngle(a, P(0, 0, 0)), 0);
  EXPECT_NEAR(static_cast<double>(VecCosAngle(a, P(6, 8, 0))), 1.0, 1e-18);
  ExpectNear(VecCross(P(1, 0, 0), P(0, 1, 0)), 0, 0, 1);
  EXPECT_TRUE(VecIsZero(P(0, 0, 0)));
  EXPECT_FALSE(VecIsZero(P(0, 0, 1e-300L)));
  ExpectNear(UnitVector(a), 0.6L, 0.8L);
  EXPECT_FALSE(UnitVector(P(0, 0, 0)).valid);
}

TEST_F(VectorGeometryTest, PlaneNormalAndSpanning) {
  const TSpacePoint o = P(0, 0, 0), x = P(2, 0, 0), y = P(0, 3, 0), z = P(0, 0, 1);
  ExpectNear(PlaneNormal(o, x, y, 0), 0, 0, 6);
  ExpectNear(PlaneNormal(o, x, y, 1), 0, 0, 1);
  EXPECT_FALSE(PlaneNormal(o, x, P(4, 0, 0), 0).valid);
  EXPECT_TRUE(PointsSpanSpace(o, x, y, z));
  EXPECT_FALSE(PointsSpanSpace(o, x, y, P(1, 1, 0)));  // coplanar
  EXPECT_FALSE(PointsSpanSpace(o, o, y, z));           // a repeated point
}

TEST_F(VectorGeometryTest, LineIntersections) {
  TSpacePoint r = P(7, 8);
  LineIntersection2D(0, 0, 1, 1, 0, 1, 1, 0, r);
  ExpectNear(r, 0.5L, 0.5L);

  // Parallel lines: invalid, the previous coordinates kept.
  r = P(7, 8);
  LineIntersection2D(0, 0, 1, 1, 0, 1, 1, 2, r);
  EXPECT_FALSE(r.valid);
  EXPECT_EQ(r.x, 7);
  EXPECT_EQ(r.y, 8);

  ExpectNear(IntersectSlopeLines(1, 0, -1, 2), 1, 1);
  EXPECT_FALSE(IntersectSlopeLines(2, 0, 2, 1).valid);
}

TEST_F(VectorGeometryTest, ProjectionParameterIsMeasuredFromA) {
  EXPECT_EQ(LineProjectionParam(P(1, 5), P(0, 0), P(4, 0)), 0.25L);
  EXPECT_EQ(LineProjectionParam(P(-4, 1), P(0, 0), P(4, 0)), -1);
  EXPECT_EQ(LineProjectionParam(P(1, 1), P(2, 2), P(2, 2)), 0.5L);
}

TEST_F(VectorGeometryTest, NonFiniteResultsBecomeInvalidAtZero) {
  const TSpacePoint p = CheckedPoint(MakePoint(INFINITY, 1, 0));
  EXPECT_FALSE(p.valid);
  EXPECT_EQ(p.x, 0);
  EXPECT_EQ(p.y, 0);
}

}  // namespace
