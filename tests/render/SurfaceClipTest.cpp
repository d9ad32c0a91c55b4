#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "formula/Parser.h"
#include "render/SpaceFixture.h"
#include "render/SurfaceClip.h"
#include "render/SurfaceGrid.h"

namespace {

CellPoint At(Extended x, Extended y, Extended z) {
  TSpacePoint p;
  p.x = x;
  p.y = y;
  p.z = z;
  ClassifyGridPoint(p, -3, 3);
  return CellPointOf(p);
}

CellPoint Undefined(Extended x, Extended y) {
  CellPoint p = At(x, y, 0);
  p.status = kGridUndefined;
  return p;
}

TEST(SurfaceClip, CellsCutToTheSlab) {
  struct Row {
    const char* name;
    std::array<CellPoint, 4> corners;
    int count;
    Extended firstZ;
  } rows[] = {
      {"inside", {At(0, 0, 0), At(1, 0, 1), At(1, 1, 2), At(0, 1, 1)}, 4, 0},
      {"one above", {At(0, 0, 0), At(1, 0, 2), At(1, 1, 4), At(0, 1, 2)}, 5, 0},
      {"starting inside", {At(0, 0, 4), At(1, 0, 2), At(1, 1, 4), At(0, 1, 4)}, 3, 2},
      {"above, below, above, below", {At(0, 0, 4), At(1, 0, -4), At(1, 1, 4), At(0, 1, -4)}, 8, 3},
      {"below, above, below, above", {At(0, 0, -4), At(1, 0, 4), At(1, 1, -4), At(0, 1, 4)}, 8, 3},
      {"all above", {At(0, 0, 4), At(1, 0, 5), At(1, 1, 4), At(0, 1, 6)}, 0, 0},
      {"all below", {At(0, 0, -4), At(1, 0, -5), At(1, 1, -4), At(0, 1, -6)}, 0, 0},
      {"above and undefined", {At(0, 0, 4), Undefined(1, 0), Undefined(1, 1), At(0, 1, 4)}, 0, 0},
      {"undefined", {Undefined(0, 0), Undefined(1, 0), Undefined(1, 1), Undefined(0, 1)}, 0, 0},
  };
  for (const Row& r : rows) {
    CellPolygon out;
    BuildClippedCellPolygon(r.corners, 3, nullptr, out);
    ASSERT_EQ(out.count, r.count) << r.name;
    if (r.count == 0) continue;
    EXPECT_EQ(out.points[0].z, r.firstZ) << r.name;
    for (const CellPoint& p : out.View()) {
      EXPECT_LE(std::fabs(p.z), 3) << r.name;
      EXPECT_EQ(p.status, kGridInside) << r.name;
    }
  }
  // Where the cell leaves the slab, the cut lies on its face at the edge's crossing.
  CellPolygon out;
  BuildClippedCellPolygon(rows[1].corners, 3, nullptr, out);
  EXPECT_EQ(out.points[2].z, 3);
  EXPECT_EQ(out.points[2].x, 1);
  EXPECT_EQ(out.points[2].y, 0.5L);
  EXPECT_EQ(out.points[3].z, 3);
  EXPECT_EQ(out.points[3].x, 0.5L);
}

TEST(SurfaceClip, NeighbouringCellsCutTheirSharedEdgeAtOnePoint) {
  // The edge from (0, 0, 2.9999) to (0.3, 0, 3.2) seen from both of its cells.
  const CellPoint a = At(0, 0, 2.99994L), b = At(0.3L, 0, 3.2L);
  CellPolygon one, other;
  ClipToZPlane(a, b, 3, one);
  ClipToZPlane(a, b, 3, other);
  ASSERT_EQ(one.count, 1);
  EXPECT_EQ(one.points[0].z, 3);
  EXPECT_EQ(one.points[0].x, other.points[0].x);
  // A point equal to the last one is not appended twice.
  one.Append(one.points[0]);
  EXPECT_EQ(one.count, 1);
  EXPECT_TRUE(IsNearZero(0, 0, 0));
  EXPECT_TRUE(IsNearZero(2e-4L, 2e-4L, 0));
  EXPECT_FALSE(IsNearZero(4e-4L, 0, 0));
}

class SurfaceCells : public SpaceTest {
 protected:
  // Every clipped polygon of entry 1's grid.
  std::vector<CellPolygon> Polygons() {
    ComputeSurfaceGrids();
    const TreePtr owner = ParseExpression(doc.FigureTable[1].texts[0], 3);
    Tfrec* tree = owner.get();
    const TSurfaceGrid& g = doc.SurfaceGrid1;
    std::vector<CellPolygon> out;
    for (int a = 0; a < g.n; ++a) {
      for (int i = 0; i < g.n; ++i) {
        const std::array<CellPoint, 4> c = {CellPointOf(g.at(a, i)), CellPointOf(g.at(a, i + 1)),
                                            CellPointOf(g.at(a + 1, i + 1)), CellPointOf(g.at(a + 1, i))};
        CellPolygon p;
        BuildClippedCellPolygon(c, doc.SpaceRange, &tree, p);
        if (p.count > 0) out.push_back(p);
      }
    }
    return out;
  }
};

TEST_F(SurfaceCells, AParaboloidIsCutFlatAtTheTopOfTheRange) {
  AddSurface("x^2+y^2", 0xFF0000);
  int cuts = 0;
  for (const CellPolygon& p : Polygons()) {
    for (const CellPoint& v : p.View()) {
      EXPECT_LE(v.z, 3);
      if (v.z == 3) {
        ++cuts;
        // On a grid line, near the circle x^2 + y^2 = 3.
        const Extended onLine = std::min(std::fabs(v.x / 0.3L - std::round(v.x / 0.3L)),
                                         std::fabs(v.y / 0.3L - std::round(v.y / 0.3L)));
        EXPECT_LT(onLine, 1e-6);
        EXPECT_NEAR(static_cast<double>(v.x * v.x + v.y * v.y), 3, 0.03);
      }
    }
  }
  EXPECT_GT(cuts, 40);
}

TEST_F(SurfaceCells, AHemisphereIsDrawnOverTheUnitDiscOnly) {
  doc.SpaceRange = 1;
  NormalizeSpaceRange();
  AddSurface("sqrt(1-x^2-y^2)", 0xFF0000);
  int rim = 0;
  for (const CellPolygon& p : Polygons()) {
    for (const CellPoint& v : p.View()) {
      const Extended r = std::sqrt(v.x * v.x + v.y * v.y);
      EXPECT_LE(r, 1 + 1e-4);
      if (r > 0.999L) {
        ++rim;
        EXPECT_NEAR(static_cast<double>(r), 1, 1e-4);
      }
    }
  }
  EXPECT_GT(rim, 40);
}

TEST(SurfaceClip, TheFrontPartOfACrossingCell) {
  const std::array<CellPoint, 4> x = {At(0, 0, 1), At(1, 0, 1), At(1, 1, 1), At(0, 1, 1)};
  struct Row {
    std::array<Extended, 4> d;
    int count;
  } rows[] = {
      {{1, 1, -1, -1}, 4},  // two corners and two crossings
      {{1, -1, -1, -1}, 3},
      {{1, 1, 1, -3}, 5},
      {{1, 0, -1, 0}, 3},  // corners on the crossing count as its points
  };
  for (const Row& r : rows) {
    std::array<CellPoint, 5> out;
    const int n = SplitCellAtCrossing(x, r.d, 3, out);
    EXPECT_EQ(n, r.count);
  }
  std::array<CellPoint, 5> out;
  SplitCellAtCrossing(x, {1, 1, -1, -3}, 3, out);
  EXPECT_EQ(out[2].x, 1);
  EXPECT_EQ(out[2].y, 0.5L);
  EXPECT_EQ(out[3].x, 0);  // d from -3 at (0, 1) to 1 at (0, 0) crosses at (0, 1/4)
  EXPECT_EQ(out[3].y, 0.25L);
}

}  // namespace
