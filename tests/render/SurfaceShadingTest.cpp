#include <gtest/gtest.h>

#include <numbers>

#include "platform/RecordingCanvas.h"
#include "render/SpaceFixture.h"
#include "render/SurfaceShading.h"

namespace {

constexpr Extended kPi = std::numbers::pi_v<Extended>;
constexpr gfx::Color kBlue = 0xFF0000, kRed = 0x0000FF;

CellPoint P(Extended x, Extended y, Extended z) { return {x, y, z, 0}; }

// A small level facet about the origin, and one rising steeply toward +x.
const CellPoint kLevel[3] = {P(-0.1L, -0.1L, 0), P(0.1L, -0.1L, 0), P(0, 0.1L, 0)};
const CellPoint kSteep[3] = {P(0, 0, 0), P(0, 0.2L, 0), P(0.1L, 0, 0.3L)};
const CellPoint kNearlyEdgeOn[3] = {P(0, -0.1L, 0), P(0, 0.1L, 0), P(0.01L, 0, 0.1L)};

class Shading : public SpaceTest {
 protected:
  Tfuncprop surface;
  void SetUp() override {
    SpaceTest::SetUp();
    InitFuncprop(surface, kKindExplicit);
    surface.color = static_cast<int32_t>(kBlue);
    surface.brushColor = static_cast<int32_t>(kRed);
  }
  gfx::Color Shade(const CellPoint (&f)[3]) { return ShadedFacetColor(f[0], f[1], f[2], surface); }
};

TEST(SurfaceShadingChannel, MixesTowardWhiteHalfToEven) {
  struct Row {
    int c;
    Extended b;
    int shaded;
  } rows[] = {{0, 0.3L, 76}, {100, 0.5L, 178}, {200, 0.8L, 244}, {255, 0.5L, 255}, {0, 0.8L, 204}};
  for (const Row& r : rows) EXPECT_EQ(ShadeChannel(r.c, r.b), r.shaded) << r.c;
}

TEST_F(Shading, TheAngleToTheCameraLightensTheFacet) {
  Camera(10, kPi / 2, 0);  // from above
  EXPECT_EQ(Shade(kLevel), gfx::Rgb(204, 204, 255));  // facing the camera: b at most 0.8
  EXPECT_EQ(Shade(kNearlyEdgeOn), gfx::Rgb(76, 76, 255));  // almost edge-on: b at least 0.3
  modes.OutputColorMode = 1;  // grey: the shaded lightness (128) of the colour
  EXPECT_EQ(Shade(kLevel), gfx::Rgb(230, 230, 230));
}

TEST_F(Shading, TheUndersideTakesTheBackColour) {
  Camera(40, kPi / 8, 0);  // low, looking at the steep facet's underside
  const gfx::Color under = Shade(kSteep);
  EXPECT_EQ(gfx::RedOf(under), 255);
  EXPECT_LT(gfx::BlueOf(under), 255);
  doc.SpaceColorsNotInverted = 0;  // colours inverted: the underside in front colour
  EXPECT_EQ(gfx::BlueOf(Shade(kSteep)), 255);
  doc.SpaceColorsNotInverted = 1;
  settings.DistinguishFrontBack = 0;
  EXPECT_EQ(gfx::BlueOf(Shade(kSteep)), 255);
  // Seen from above, a level facet shows its upper side.
  settings.DistinguishFrontBack = 1;
  EXPECT_EQ(gfx::BlueOf(Shade(kLevel)), 255);
}

TEST_F(Shading, ACameraLevelWithTheGroundGivesNoNormal) {
  Camera(40, 0, 0.3L);  // only a file can hold elevation 0
  const SpaceVector n = FaceNormal(kSteep[0], kSteep[1], kSteep[2]);
  EXPECT_EQ(n.x, 0);
  EXPECT_EQ(n.z, 0);
  EXPECT_EQ(Shade(kSteep), gfx::Rgb(76, 76, 255));  // the palest mix of the front colour
  EXPECT_FALSE(CellFacesAway(kSteep[0], kSteep[1], kSteep[2]));
}

TEST_F(Shading, PenAndBrushOfTheDrawingModes) {
  Camera(10, kPi / 2, 0);
  gfx::RecordingCanvas canvas(kSide, kSide);
  struct Row {
    int mode, output;
    gfx::Color brush, pen;
  } rows[] = {
      {0, 0, gfx::kWhite, 0x123456},             // wireframe: white over the pen as it was
      {1, 0, gfx::Rgb(204, 204, 255), kBlue},    // painted with the mesh in the entry colour
      {2, 0, gfx::Rgb(204, 204, 255), gfx::Rgb(204, 204, 255)},  // painted, no mesh
      {1, 1, gfx::Rgb(230, 230, 230), gfx::kBlack},              // grey: black mesh
      {0, 2, gfx::kWhite, gfx::kBlack},
  };
  for (const Row& r : rows) {
    doc.SurfaceDrawMode = static_cast<uint8_t>(r.mode);
    modes.OutputColorMode = static_cast<uint8_t>(r.output);
    canvas.Clear();
    canvas.pen.color = 0x123456;
    FillSurfaceCell(canvas, kLevel, surface);
    ASSERT_EQ(canvas.Ops().size(), 1u) << r.mode;
    const gfx::RecordedOp& op = canvas.Ops()[0];
    EXPECT_EQ(op.kind, gfx::OpKind::Polygon);
    EXPECT_EQ(op.brush.color, r.brush) << r.mode << " " << r.output;
    EXPECT_EQ(op.brush.style, gfx::BrushStyle::Solid);
    EXPECT_EQ(op.pen.color, r.pen) << r.mode << " " << r.output;
  }
  canvas.Clear();
  FillSurfaceCell(canvas, std::span<const CellPoint>(kLevel, 2), surface);
  EXPECT_TRUE(canvas.Ops().empty());
}

}  // namespace
