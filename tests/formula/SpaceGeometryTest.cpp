#include "formula/SpaceGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "GeometryTestSupport.h"
#include "formula/TriangleGeometry.h"
#include "formula/VectorGeometry.h"

using namespace geometry_test;

namespace {

class SpaceGeometryTest : public GeometryTest {
 protected:
  void SetUp() override {
    GeometryTest::SetUp();
    doc.Dimension = 3;
  }
};

// Distance of p from the plane through a, b, c.
Extended FaceDistance(const TSpacePoint& p, const TSpacePoint& a, const TSpacePoint& b, const TSpacePoint& c) {
  return std::fabs(VecDot(PlaneNormal(a, b, c, 1), VecSub(p, a)));
}

void ExpectEqualFaceDistances(const TSpacePoint& p, const TSpacePoint (&t)[4]) {
  const Extended d = FaceDistance(p, t[1], t[2], t[3]);
  EXPECT_NEAR(static_cast<double>(FaceDistance(p, t[0], t[2], t[3])), static_cast<double>(d), 1e-15);
  EXPECT_NEAR(static_cast<double>(FaceDistance(p, t[0], t[1], t[3])), static_cast<double>(d), 1e-15);
  EXPECT_NEAR(static_cast<double>(FaceDistance(p, t[0], t[1], t[2])), static_cast<double>(d), 1e-15);
}

TEST_F(SpaceGeometryTest, LinePlaneIntersection) {
  ExpectNear(LinePlaneIntersection(P(0, 0, 1), P(0, 0, 1), P(0, 0, 2), P(1, 1, 0)), 1, 1, 2);
  ExpectNear(LinePlaneIntersection(P(1, 1, 1), P(0, 0, 2), P(5, 5, 3), P(0, 0, 0)), 3, 3, 3);
  EXPECT_FALSE(LinePlaneIntersection(P(1, 0, 0), P(0, 0, 1), P(0, 0, 2), P(1, 1, 0)).valid);
}

TEST_F(SpaceGeometryTest, CentresOfTheCornerTetrahedron) {
  const TSpacePoint t[4] = {PExact(0, 0, 0), PExact(1, 0, 0), PExact(0, 1, 0), PExact(0, 0, 1)};
  eng.UseFigureFormulas = 1;
  const TSpacePoint g = TetrahedronCentroid(t[0], t[1], t[2], t[3]);
  ExpectNear(g, 0.25L, 0.25L, 0.25L);
  ExpectExact(g.fz, 1, 4);

  ExpectNear(TetrahedronCircumcentre(t[0], t[1], t[2], t[3]), 0.5L, 0.5L, 0.5L);
  const Extended ri = 1 / (3 + std::sqrt(3.0L)), re = 1 / (3 - std::sqrt(3.0L));
  const TSpacePoint in = TetrahedronInOrExcentre(t[0], t[1], t[2], t[3], 1);
  ExpectNear(in, ri, ri, ri, 1e-15L);
  ExpectEqualFaceDistances(in, t);
  // The exsphere beyond face BCD, the face opposite A.
  const TSpacePoint ex = TetrahedronInOrExcentre(t[0], t[1], t[2], t[3], -1);
  ExpectNear(ex, re, re, re, 1e-15L);
  ExpectEqualFaceDistances(ex, t);
  EXPECT_FALSE(IsExactFraction(ex.fx));
}

TEST_F(SpaceGeometryTest, CentresOfARegularTetrahedron) {
  const TSpacePoint t[4] = {P(1, 1, 1), P(1, -1, -1), P(-1, 1, -1), P(-1, -1, 1)};
  ExpectNear(TetrahedronCentroid(t[0], t[1], t[2], t[3]), 0, 0, 0);
  ExpectNear(TetrahedronCircumcentre(t[0], t[1], t[2], t[3]), 0, 0, 0, 1e-15L);
  ExpectNear(TetrahedronInOrExcentre(t[0], t[1], t[2], t[3], 1), 0, 0, 0, 1e-15L);
  // Equal faces: the excentre opposite A is (-A + B + C + D) / 2.
  ExpectNear(TetrahedronInOrExcentre(t[0], t[1], t[2], t[3], -1), -1, -1, -1, 1e-15L);
  // A triangle in space has its centres in its own plane.
  ExpectNear(Circumcentre(t[1], t[2], t[3]), -1 / 3.0L, -1 / 3.0L, -1 / 3.0L, 1e-15L);
}

// Weighted by the areas of the opposite faces; the face opposite A negated for the
// exsphere beyond it.
TSpacePoint AreaWeighted(const TSpacePoint (&t)[4], int signA) {
  const Extended sA = signA * VecLength(PlaneNormal(t[1], t[2], t[3], 0)), sB = VecLength(PlaneNormal(t[0], t[2], t[3], 0));
  const Extended sC = VecLength(PlaneNormal(t[0], t[1], t[3], 0)), sD = VecLength(PlaneNormal(t[0], t[1], t[2], 0));
  const Extended w = sA + sB + sC + sD;
  return P((sA * t[0].x + sB * t[1].x + sC * t[2].x + sD * t[3].x) / w,
           (sA * t[0].y + sB * t[1].y + sC * t[2].y + sD * t[3].y) / w,
           (sA * t[0].z + sB * t[1].z + sC * t[2].z + sD * t[3].z) / w);
}

TEST_F(SpaceGeometryTest, CentresOfAnIrregularTetrahedron) {
  const TSpacePoint t[4] = {P(1, 2, 0), P(4, 1, 1), P(2, 5, 2), P(0, 1, 6)};
  const TSpacePoint o = TetrahedronCircumcentre(t[0], t[1], t[2], t[3]);
  for (int i = 1; i < 4; ++i)
    EXPECT_NEAR(static_cast<double>(PointDistance(o, t[i])), static_cast<double>(PointDistance(o, t[0])), 1e-14);
  for (int sign : {1, -1}) {
    SCOPED_TRACE(sign);
    const TSpacePoint c = TetrahedronInOrExcentre(t[0], t[1], t[2], t[3], sign), w = AreaWeighted(t, sign);
    ExpectNear(c, w.x, w.y, w.z, 1e-14L);
    ExpectEqualFaceDistances(c, t);
  }
}

TEST_F(SpaceGeometryTest, CoplanarTetrahedronsHaveNoCentres) {
  const TSpacePoint t[4] = {P(0, 0, 0), P(1, 0, 0), P(0, 1, 0), P(1, 1, 0)};
  EXPECT_FALSE(TetrahedronCircumcentre(t[0], t[1], t[2], t[3]).valid);
  EXPECT_FALSE(TetrahedronInOrExcentre(t[0], t[1], t[2], t[3], 1).valid);
}

TEST_F(SpaceGeometryTest, NormalAnglesCarryTheZAxisOntoTheNormal) {
  TAxisAngles a;
  ASSERT_TRUE(NormalToCircleAngles(P(0, 0, 2), a));
  EXPECT_EQ(a.cosTilt, 1);
  EXPECT_EQ(a.sinTilt, 0);
  EXPECT_EQ(a.cosAz, 1);
  EXPECT_EQ(a.sinAz, 0);
  EXPECT_FALSE(NormalToCircleAngles(P(0, 0, 0), a));

  for (const TSpacePoint& n : std::vector<TSpacePoint>{P(1, 2, 3), P(-1, 0, 0), P(0, -2, -1), P(0, 0, -1)}) {
    ASSERT_TRUE(NormalToCircleAngles(n, a));
    const TSpacePoint u = UnitVector(n);
    const TSpacePoint up = AlignToNormal(P(0, 0, 1), a.cosAz, a.sinAz, a.cosTilt, a.sinTilt);
    ExpectNear(up, u.x, u.y, u.z, 1e-18L);
    ExpectNear(AlignToNormal(u, a.cosAz, a.sinAz, a.cosTilt, -a.sinTilt), 0, 0, 1, 1e-18L);
  }
}

TEST_F(SpaceGeometryTest, TurnsAboutAnAxisFollowTheRightHandRule) {
  TAxisAngles z;
  ASSERT_TRUE(NormalToCircleAngles(P(0, 0, 1), z));
  ExpectNear(RotatePointAboutAxis(P(1, 0, 0), P(0, 0, 0), z, 1, PiValue / 2), 0, 1, 0, 1e-18L);
  ExpectNear(RotatePointAboutAxis(P(1, 0, 3), P(0, 0, 3), z, 2, PiValue), -2, 0, 3, 1e-18L);
  TAxisAngles x;
  ASSERT_TRUE(NormalToCircleAngles(P(1, 0, 0), x));
  ExpectNear(RotatePointAboutAxis(P(0, 1, 0), P(0, 0, 0), x, 1, PiValue / 2), 0, 0, 1, 1e-18L);

  // About a slanted axis: the distance from the axis and the place along it are kept.
  const TSpacePoint centre = P(1, 1, 0), dir = UnitVector(P(1, 1, 1)), p = P(3, -1, 2);
  TAxisAngles axis;
  ASSERT_TRUE(NormalToCircleAngles(dir, axis));
  const TSpacePoint foot = PerpendicularFoot(p, centre, VecAdd(centre, dir));
  for (Extended angle : {0.3L, 2.0L, -1.0L}) {
    const TSpacePoint q = RotatePointAboutAxis(p, foot, axis, 1, angle);
    EXPECT_NEAR(static_cast<double>(PointDistance(q, foot)), static_cast<double>(PointDistance(p, foot)), 1e-15);
    EXPECT_NEAR(static_cast<double>(VecDot(VecSub(q, foot), dir)), 0, 1e-15);
  }
  const TSpacePoint round = RotatePointAboutAxis(p, foot, axis, 1, 2 * PiValue);
  ExpectNear(round, p.x, p.y, p.z, 1e-15L);
}

}  // namespace
