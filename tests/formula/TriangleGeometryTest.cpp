#include "formula/TriangleGeometry.h"

#include <gtest/gtest.h>

#include <vector>

#include "GeometryTestSupport.h"
#include "formula/VectorGeometry.h"

using namespace geometry_test;

namespace {

using TriangleGeometryTest = GeometryTest;

struct ExactCentre {
  const char* name;
  TSpacePoint (*construct)(const TSpacePoint&, const TSpacePoint&, const TSpacePoint&);
  TSpacePoint a, b, c;
  int xNum, xDen, yNum, yDen;
};

TEST_F(TriangleGeometryTest, CentresWithExactFractions) {
  const std::vector<ExactCentre> cases = {
      {"centroid", TriangleCentroid, PExact(0, 0), PExact(4, 0), PExact(0, 4), 4, 3, 4, 3},
      {"centroid of the unit corner", TriangleCentroid, PExact(0, 0), PExact(1, 0), PExact(0, 1), 1, 3, 1, 3},
      {"orthocentre", Orthocentre, PExact(0, 0), PExact(4, 0), PExact(1, 3), 1, 1, 1, 1},
      {"circumcentre", Circumcentre, PExact(0, 0), PExact(4, 0), PExact(1, 3), 2, 1, 1, 1},
      {"nine-point centre", NinePointCentre, PExact(0, 0), PExact(4, 0), PExact(1, 3), 3, 2, 1, 1},
      // 3-4-5 right triangle: the right angle at A is its orthocentre, the hypotenuse's
      // midpoint its circumcentre.
      {"3-4-5 orthocentre", Orthocentre, PExact(0, 0), PExact(4, 0), PExact(0, 3), 0, 1, 0, 1},
      {"3-4-5 circumcentre", Circumcentre, PExact(0, 0), PExact(4, 0), PExact(0, 3), 2, 1, 3, 2},
      {"3-4-5 nine-point centre", NinePointCentre, PExact(0, 0), PExact(4, 0), PExact(0, 3), 1, 1, 3, 4},
  };
  for (const ExactCentre& c : cases) {
    SCOPED_TRACE(c.name);
    const TSpacePoint p = c.construct(c.a, c.b, c.c);
    ExpectNear(p, Extended(c.xNum) / c.xDen, Extended(c.yNum) / c.yDen);
    ExpectExact(p.fx, c.xNum, c.xDen);
    ExpectExact(p.fy, c.yNum, c.yDen);
    ExpectExact(p.fz, 0, 1);
  }
}

TEST_F(TriangleGeometryTest, ExactModeOffLeavesOnlyFloatingCoordinates) {
  eng.UseFigureFormulas = 0;
  const TSpacePoint p = TriangleCentroid(PExact(0, 0), PExact(1, 0), PExact(0, 1));
  ExpectNear(p, 1 / 3.0L, 1 / 3.0L, 0, 1e-18L);
  EXPECT_FALSE(IsExactFraction(p.fx));
  EXPECT_FALSE(IsExactFraction(p.fy));
}

TEST_F(TriangleGeometryTest, InexactOperandsGiveInexactResults) {
  TSpacePoint a = PExact(0, 0);
  a.fx = TFraction{0, 0, 1};
  EXPECT_FALSE(IsExactFraction(TriangleCentroid(a, PExact(1, 0), PExact(0, 1)).fx));
  EXPECT_TRUE(IsExactFraction(TriangleCentroid(a, PExact(1, 0), PExact(0, 1)).fy));
}

TEST_F(TriangleGeometryTest, IncentreAndExcentresOfThe345Triangle) {
  const TSpacePoint a = PExact(0, 0), b = PExact(4, 0), c = PExact(0, 3);
  struct Case {
    int type;
    Extended x, y;
  };
  // Type 3 is opposite C, 4 opposite B, 5 opposite A.
  for (const Case& k : std::vector<Case>{{0, 1, 1}, {5, 6, 6}, {4, -2, 2}, {3, 3, -3}}) {
    SCOPED_TRACE(k.type);
    const TSpacePoint p = TriangleIncentre(a, b, c, k.type);
    ExpectNear(p, k.x, k.y);
    EXPECT_FALSE(IsExactFraction(p.fx));  // the weights are roots
  }
  // C on segment AB: the weights of the excentre opposite C sum to 0.
  EXPECT_FALSE(TriangleIncentre(P(0, 0), P(2, 0), P(1, 0), 3).valid);
}

TEST_F(TriangleGeometryTest, FootAndReflection) {
  const TSpacePoint foot = PerpendicularFoot(PExact(0, 2), PExact(-1, 0), PExact(1, 0));
  ExpectNear(foot, 0, 0);
  ExpectExact(foot.fx, 0, 1);
  const TSpacePoint image = Reflection(PExact(0, 2), PExact(-1, 0), PExact(1, 0));
  ExpectNear(image, 0, -2);
  ExpectExact(image.fy, -2, 1);

  // In a slanted line the foot is a fraction: (3, 1) on y = 2x gives (1, 2).
  const TSpacePoint slanted = PerpendicularFoot(PExact(3, 1), PExact(0, 0), PExact(1, 2));
  ExpectNear(slanted, 1, 2);
  ExpectExact(slanted.fx, 1, 1);
  const TSpacePoint mirrored = Reflection(PExact(3, 1), PExact(0, 0), PExact(1, 2));
  ExpectNear(mirrored, -1, 3);

  doc.Dimension = 3;
  ExpectNear(PerpendicularFoot(P(1, 1, 5), P(0, 0, 0), P(0, 0, 2)), 0, 0, 5);
}

TEST_F(TriangleGeometryTest, DegenerateInputsAreInvalid) {
  EXPECT_FALSE(PerpendicularFoot(P(0, 2), P(1, 1), P(1, 1)).valid);
  EXPECT_FALSE(Reflection(P(0, 2), P(1, 1), P(1, 1)).valid);
  EXPECT_FALSE(Orthocentre(P(0, 0), P(0, 0), P(1, 3)).valid);
  EXPECT_FALSE(Orthocentre(P(0, 0), P(1, 3), P(0, 0)).valid);
  EXPECT_FALSE(Orthocentre(P(0, 0), P(1, 0), P(2, 0)).valid);  // collinear
  EXPECT_FALSE(Circumcentre(P(0, 0), P(1, 0), P(2, 0)).valid);
  EXPECT_FALSE(NinePointCentre(P(0, 0), P(1, 0), P(2, 0)).valid);
  TSpacePoint bad = P(0, 0);
  bad.valid = 0;
  EXPECT_FALSE(TriangleCentroid(bad, P(1, 0), P(0, 1)).valid);
}

TEST_F(TriangleGeometryTest, IntersectionByPointsIsExactByCramersRule) {
  TSpacePoint r;
  // y = x against x + 2y = 1 meet at (1/3, 1/3).
  LineIntersectionByPoints(PExact(0, 0), PExact(1, 1), PExact(1, 0), PExact(-1, 1), r);
  ExpectNear(r, 1 / 3.0L, 1 / 3.0L, 0, 1e-18L);
  ExpectExact(r.fx, 1, 3);
  ExpectExact(r.fy, 1, 3);

  r = P(5, 6);
  LineIntersectionByPoints(P(0, 0), P(1, 1), P(0, 1), P(1, 2), r);
  EXPECT_FALSE(r.valid);
  EXPECT_EQ(r.x, 5);
}

}  // namespace
