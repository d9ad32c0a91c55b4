#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "GeometryTestSupport.h"
#include "formula/ConstructedPoints.h"
#include "formula/SphereSection.h"

using namespace geometry_test;

namespace {

// The corner tetrahedron A (0,0,0), B (1,0,0), C (0,1,0), D (0,0,1), with E (1,1,1) and
// F (2,3,5); figure 1 a sphere about A of radius 2, figure 2 the plane through D with
// normal (0,0,1), figure 3 the circle in which the plane z = 1 cuts sphere 1.
class ConstructedPointsSpaceTest : public GeometryTest {
 protected:
  void SetUp() override {
    GeometryTest::SetUp();
    doc.Dimension = 3;
    eng.UseFigureFormulas = 0;
    build.Figure(8, {"A", "2"}, 'A');
    build.Figure(1, {"D", "0", "0", "1"}, 'D');
    build.Figure(10, {"1", "0", "0", "1", "1"});
    build.Point('A', kByCoordinates, {"0", "0", "", "0"});
    build.Point('B', kByCoordinates, {"1", "0", "", "0"});
    build.Point('C', kByCoordinates, {"0", "1", "", "0"});
    build.Point('D', kByCoordinates, {"0", "0", "", "1"});
    build.Point('E', kByCoordinates, {"1", "1", "", "1"});
    build.Point('F', kByCoordinates, {"2", "3", "", "5"});
  }

  DocumentBuilder build;
};

struct Case {
  const char* name;
  int code;
  std::vector<std::string> texts;
  Extended x, y, z;
};

TEST_F(ConstructedPointsSpaceTest, ConstructionsByCode) {
  const Extended ri = 1 / (3 + std::sqrt(3.0L)), re = 1 / (3 - std::sqrt(3.0L)), s = 2 / std::sqrt(3.0L);
  const std::vector<Case> cases = {
      {"division", kDivisionPoint, {"AE", "1", "", "3"}, 0.25L, 0.25L, 0.25L},
      {"triangle centroid", kCentroid, {"BCD"}, 1 / 3.0L, 1 / 3.0L, 1 / 3.0L},
      {"triangle circumcentre", kCircumcentre, {"BCD"}, 1 / 3.0L, 1 / 3.0L, 1 / 3.0L},
      {"foot on a line", kFoot, {"E", "AD"}, 0, 0, 1},
      {"reflection in a line", kReflection, {"E", "AD"}, -1, -1, 1},
      {"tetrahedron centroid", kTetrahedronCentroid, {"ABCD"}, 0.25L, 0.25L, 0.25L},
      {"tetrahedron circumcentre", kTetrahedronCircumcentre, {"ABCD"}, 0.5L, 0.5L, 0.5L},
      {"insphere centre", kInsphereCentre, {"ABCD"}, ri, ri, ri},
      {"exsphere centre", kExsphereCentre, {"ABCD"}, re, re, re},
      {"foot on plane BCD", kFootOnPlane, {"E", "BCD"}, 1 / 3.0L, 1 / 3.0L, 1 / 3.0L},
      {"on the normal of BCD", kPointOnNormal, {"E", "BCD"}, 2, 2, 2},
      {"line AE and plane BCD", kLinePlane, {"AE", "BCD"}, 1 / 3.0L, 1 / 3.0L, 1 / 3.0L},
      {"turn about the axis AD", kRotationAboutAxis, {"AD", "B", "", "pi/2", ""}, 0, 1, 0},
      {"turn and scale about AD", kRotationAboutAxis, {"AD", "F", "", "pi", "2"}, -4, -6, 5},
      {"turn about the axis DA", kRotationAboutAxis, {"DA", "B", "", "pi/2", "1"}, 0, -1, 0},
      {"point on a sphere", kPointOnSphere, {"1", "0", "", "pi/2"}, 0, 2, 0},
      {"pole of a sphere", kPointOnSphere, {"1", "pi/2", "", "0"}, 0, 0, 2},
      {"foot on a plane figure", kFootOnPlaneFigure, {"F", "2"}, 2, 3, 1},
      {"foot on the plane of a circle on a sphere", kFootOnPlaneFigure, {"F", "3"}, 2, 3, 1},
      {"line and plane figure", kLinePlaneFigure, {"AE", "2"}, 1, 1, 1},
      {"line and sphere", kLineSphereSpace, {"1", "AE"}, -s, -s, -s},
      {"line and sphere from E", kLineSphereSpace, {"1", "EA"}, s, s, s},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    build.Point('G', c.code, {});
    for (size_t i = 0; i < c.texts.size(); ++i) doc.FigureTable[doc.EntryCount].texts[i] = c.texts[i];
    MarkAllPointsDirty();
    const TSpacePoint p = PointOf('G');
    ExpectNear(p, c.x, c.y, c.z, 1e-15L);
    EXPECT_FALSE(IsExactFraction(p.fx));
    --doc.EntryCount;
    --doc.KindCounts[kKindPoint];
  }
}

TEST_F(ConstructedPointsSpaceTest, DegenerateSpaceConstructions) {
  build.Point('H', kByCoordinates, {"5", "5", "", "5"});
  build.Point('J', kByCoordinates, {"6", "5", "", "5"});
  const std::vector<Case> cases = {
      {"repeated vertex", kTetrahedronCentroid, {"ABCA"}, 0, 0, 0},
      {"coplanar insphere", kInsphereCentre, {"ABCB"}, 0, 0, 0},
      {"plane of collinear points", kFootOnPlane, {"E", "AAB"}, 0, 0, 0},
      {"line parallel to the plane", kLinePlane, {"AB", "ABC"}, 0, 0, 0},
      {"axis of one point", kRotationAboutAxis, {"AA", "B", "", "1", ""}, 0, 0, 0},
      {"line that misses the sphere", kLineSphereSpace, {"1", "HJ"}, 0, 0, 0},
      {"line of one point", kLineSphereSpace, {"1", "AA"}, 0, 0, 0},
      {"a sphere that is a plane", kPointOnSphere, {"2", "0", "", "0"}, 0, 0, 0},
      {"line in the plane figure", kLinePlaneFigure, {"DE", "2"}, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    build.Point('G', c.code, {});
    for (size_t i = 0; i < c.texts.size(); ++i) doc.FigureTable[doc.EntryCount].texts[i] = c.texts[i];
    MarkAllPointsDirty();
    EXPECT_FALSE(PointOf('G').valid);
    --doc.EntryCount;
    --doc.KindCounts[kKindPoint];
  }
}

TEST_F(ConstructedPointsSpaceTest, ConstructionsSwitchExactModeOffOrMarkTheirFractions) {
  eng.UseFigureFormulas = 1;
  build.Point('G', kFootOnPlane, {"E", "BCD"});
  MarkAllPointsDirty();
  PointOf('G');
  EXPECT_EQ(eng.UseFigureFormulas, 0);
}

TEST_F(ConstructedPointsSpaceTest, SphereSection) {
  const TSphereSection s = SphereSectionCircle(3);
  ASSERT_TRUE(s.valid);
  ExpectNear(s.centre, 0, 0, 1);
  ExpectNear(s.normal, 0, 0, 1);
  EXPECT_NEAR(static_cast<double>(s.radius), std::sqrt(3.0), 1e-15);
  EXPECT_EQ(s.sphereRadius, 2);

  doc.FigureTable[3].texts[4] = "-2";  // touching the sphere
  EXPECT_TRUE(SphereSectionCircle(3).valid);
  EXPECT_EQ(SphereSectionCircle(3).radius, 0);
  doc.FigureTable[3].texts[4] = "3";  // beyond it
  EXPECT_FALSE(SphereSectionCircle(3).valid);
  doc.FigureTable[3].texts[4] = "1";
  doc.FigureTable[3].texts[3] = "0";  // no normal
  EXPECT_FALSE(SphereSectionCircle(3).valid);
  doc.FigureTable[3].texts[3] = "1";
  doc.FigureTable[3].texts[0] = "2";  // not a sphere
  EXPECT_FALSE(SphereSectionCircle(3).valid);
  EXPECT_FALSE(SphereSectionCircle(0).valid);
}

}  // namespace
