#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

#include "formula/VariableValues.h"
#include "render/SpaceFixture.h"
#include "render/SurfaceGrid.h"

namespace {

constexpr Extended kPi = std::numbers::pi_v<Extended>;

TEST_F(SpaceTest, OctantsOfTheAzimuth) {
  struct Row {
    Extended phi;
    int octant;
  } rows[] = {{-3.0L, 0}, {0.76576L, 4}, {3.0L, 7}, {kPi, 0}, {-kPi, 0}, {kPi / 4, 5}, {2 * kPi + 0.1L, 4}, {NAN, 0}};
  for (const Row& r : rows) EXPECT_EQ(SweepOctantOf(r.phi), r.octant) << static_cast<double>(r.phi);
}

TEST_F(SpaceTest, StatusOfGridPoints) {
  struct Row {
    uint8_t valid;
    Extended z;
    uint8_t status;
  } rows[] = {{1, 3, 0}, {1, -3, 0}, {1, 3.01L, 1}, {1, -3.01L, 2}, {0, 0, 3}, {0, 5, 1}, {0, -5, 2}};
  for (const Row& r : rows) {
    TSpacePoint p;
    p.valid = r.valid;
    p.z = r.z;
    ClassifyGridPoint(p, -3, 3);
    EXPECT_EQ(p.status, r.status) << static_cast<double>(r.z);
  }
}

// The sampled status bytes at a few places of the grid, found by their x and y.
uint8_t StatusAt(const TSurfaceGrid& g, Extended x, Extended y) {
  for (const TSpacePoint& p : g.points)
    if (std::fabs(p.x - x) < 1e-9 && std::fabs(p.y - y) < 1e-9) return p.status;
  ADD_FAILURE() << "no grid point at " << static_cast<double>(x) << "," << static_cast<double>(y);
  return 255;
}

TEST_F(SpaceTest, GridStatusBytesOfTwoSurfaces) {
  struct Row {
    const char* surface;
    Extended x, y;
    uint8_t status;
  } rows[] = {
      {"x^2+y^2", 0, 0, 0},        {"x^2+y^2", 1.2L, 1.2L, 0}, {"x^2+y^2", 1.5L, 0.3L, 0},
      {"x^2+y^2", 1.5L, 0.9L, 1}, {"x^2+y^2", 3, 3, 1},        {"-x^2-y^2", 3, -3, 2},
      {"sqrt(1-x^2-y^2)", 0, 0, 0}, {"sqrt(1-x^2-y^2)", 0.6L, 0.6L, 0}, {"sqrt(1-x^2-y^2)", 0.9L, 0.6L, 3},
      {"sqrt(1-x^2-y^2)", -3, 3, 3},
  };
  for (const Row& r : rows) {
    ResetProgramStateForTest();
    ResetSpaceView();
    AddSurface(r.surface, 0xFF0000);
    ComputeSurfaceGrids();
    ASSERT_EQ(doc.SurfaceGrid1.n, 20);
    ASSERT_EQ(doc.SurfaceGrid1.points.size(), 21u * 21u);
    EXPECT_EQ(StatusAt(doc.SurfaceGrid1, r.x, r.y), r.status) << r.surface << " at " << static_cast<double>(r.x);
  }
}

// Whatever the octant, the first cell in index order lies farthest from the camera of the
// four corner cells, so drawing in index order paints from the back.
TEST_F(SpaceTest, EveryOctantStartsAtTheFarCorner) {
  AddSurface("0", 0xFF0000);
  for (int octant = 0; octant < 8; ++octant) {
    Camera(40, kPi / 8, -kPi + (octant + 0.5L) * kPi / 4);
    ComputeSurfaceGrids();
    EXPECT_EQ(spaceView.SweepOctant, octant);
    const TSurfaceGrid& g = doc.SurfaceGrid1;
    const TSpacePoint& c = spaceView.CameraPoint;
    auto distance = [&](int a, int i) {
      const TSpacePoint& p = g.at(a, i);
      return std::hypot(static_cast<double>(p.x - c.x), static_cast<double>(p.y - c.y));
    };
    const int n = g.n;
    EXPECT_GT(distance(0, 0), distance(0, n)) << octant;
    EXPECT_GT(distance(0, n), distance(n, n)) << octant;
    EXPECT_GT(distance(n, 0), distance(n, n)) << octant;
    // Rows advance toward the camera faster than columns.
    EXPECT_GT(distance(0, n), distance(n, 0)) << octant;
  }
}

TEST_F(SpaceTest, TheGridIsSampledAgainOnlyWhenItsInputsChange) {
  AddSurface("a*x", 0xFF0000);
  AddSurface("y", 0x00FF00);
  ComputeSurfaceGrids();
  struct Row {
    const char* change;
    std::function<void()> apply;
    bool sampled;
  } rows[] = {
      {"nothing", [] {}, false},
      {"a turn within the octant", [] { Camera(40, kPi / 7, 0.2L * kPi); }, false},
      {"the shading", [] { doc.ShadingLevel = 20; }, false},
      {"a parameter", [] { WriteVariable(doc.VariableValues, 'a', 2); }, true},
      {"the second formula", [] { doc.FigureTable[2].texts[0] = "y+1"; }, true},
      {"the range", [] { doc.SpaceRange = 4; }, true},
      {"the divisions", [] { doc.SurfaceGridN = 30; }, true},
      {"the octant", [] { Camera(40, kPi / 7, 0.3L * kPi); }, true},
      {"a defined function", [] { doc.DefinedFunctionTexts[1] = "2x"; }, true},
  };
  for (const Row& r : rows) {
    const uint64_t before = SurfaceGridGeneration();
    r.apply();
    ComputeSurfaceGrids();
    EXPECT_EQ(SurfaceGridGeneration() != before, r.sampled) << r.change;
  }
  EXPECT_EQ(doc.SurfaceGrid2.n, 30);
  EXPECT_EQ(doc.SurfaceGrid2.at(0, 0).z, doc.SurfaceGrid2.at(0, 0).y + 1);
}

TEST_F(SpaceTest, BrokenFileValuesForTheGrids) {
  // No divisions from a file: the default 20.
  AddSurface("x", 0xFF0000);
  doc.SurfaceGridN = 0;
  ComputeSurfaceGrids();
  EXPECT_EQ(doc.SurfaceGrid1.points.size(), 21u * 21u);
  // Entry 2 beside a surface is sampled only when it is a surface itself.
  Add(kKindPoint, "1");
  doc.SurfaceGrid2 = TSurfaceGrid{};
  ComputeSurfaceGrids();
  EXPECT_FALSE(HasSecondSurface());
  EXPECT_TRUE(doc.SurfaceGrid2.points.empty());
  // A first entry that does not parse leaves the grid alone.
  doc.FigureTable[1].texts[0] = "x+";
  doc.SpaceRange = 4;
  ComputeSurfaceGrids();
  EXPECT_EQ(doc.SurfaceGrid1.at(0, 0).x, -3);
}

}  // namespace
