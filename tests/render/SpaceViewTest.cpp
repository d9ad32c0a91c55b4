#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "formula/VectorGeometry.h"
#include "render/SpaceFixture.h"
#include "render/SpacePrimitives.h"

namespace {

constexpr Extended kPi = std::numbers::pi_v<Extended>;

TEST_F(SpaceTest, TheRangeKeepsToItsStepsAndTheViewFollows) {
  struct Row {
    Extended given, kept;
  } rows[] = {{0.3L, 0.5L}, {0.65L, 0.7L}, {1.2L, 1},  {1.69L, 1.5L}, {1.7L, 2},   {2.4L, 2},
              {2.5L, 2},    {3.5L, 4},    {1000, 500}, {-7, 0.5L},   {NAN, 3},    {INFINITY, 3}};
  for (const Row& r : rows) {
    doc.SpaceRange = r.given;
    NormalizeSpaceRange();
    EXPECT_EQ(doc.SpaceRange, r.kept) << static_cast<double>(r.given);
    EXPECT_EQ(doc.AxisLength3D, r.kept * 8 / 5);
    const float s = static_cast<float>(r.kept * 9 / 5);
    EXPECT_EQ(doc.ViewRange, (TViewRange{-s, s, -s, s}));
  }
}

TEST_F(SpaceTest, ZoomingTheCameraAndScalingTheRange) {
  struct Row {
    Extended range;
    int32_t distance;
    float factor;
    int32_t after;
  } zooms[] = {
      {3, 40, 0.4f, 40},            // 16 is nearer than 20R/3: refused
      {3, 40, 20, 40},              // 800 is beyond 256R: the distance stays
      {3, 40, 1 / 1.4142135f, 28},  // the "near" button
      {3, 40, 1.4142135f, 57},      // the "far" button
      {1, 10, 0.7f, 9},             // 7 becomes the nearest allowed, 9
  };
  for (const Row& r : zooms) {
    doc.SpaceRange = r.range;
    NormalizeSpaceRange();
    doc.CameraDistance = r.distance;
    ZoomCameraDistance(r.factor);
    EXPECT_EQ(doc.CameraDistance, r.after) << r.factor;
    EXPECT_EQ(spaceView.Distance, r.after);
  }
  doc.SpaceRange = 3;
  NormalizeSpaceRange();
  doc.CameraDistance = 40;
  ScaleSpaceRange(1.4142135f);
  EXPECT_EQ(doc.SpaceRange, 4);
  EXPECT_EQ(doc.CameraDistance, 53);
  EXPECT_EQ(doc.PixelSizeX, doc.PixelSizeY);
  ScaleSpaceRange(1 / 1.4142135f);
  EXPECT_EQ(doc.SpaceRange, 3);
  EXPECT_EQ(doc.CameraDistance, 40);
}

TEST_F(SpaceTest, ProjectionOfPointsToPixels) {
  struct Row {
    int32_t distance;
    Extended theta, phi;
    Extended x, y, z;
    bool valid;
    int px, py;
  } rows[] = {
      {40, kPi / 8, 0.24375L * kPi, 0, 0, 0, true, 270, 270},  // the defaults: the origin in the middle
      {10, 0, 0, 0, 1, 1, true, 320, 220},                     // on the view plane: as it is
      {10, 0, 0, 5, 1, 1, true, 370, 170},                     // halfway to the camera: twice as far out
      {10, 0, 0, 0, -2, 0.5L, true, 170, 245},
      {10, kPi / 2, 0, 1, 0, 0, true, 270, 320},  // from above, x points down
      {10, kPi / 2, 0, 0, 1, 5, true, 370, 270},
      {20, 0, kPi / 2, 1, 0, 0, true, 220, 270},  // from the y axis, x points left
      {20, 0, kPi / 2, 0, 10, 2, true, 270, 70},
      {10, 0, 0, 10, 0, 0, false, 0, 0},  // in the camera's plane
      {10, 0, 0, 20, 0, 0, false, 0, 0},  // behind the camera
      {0, 0, 0, 1, 1, 1, false, 0, 0},    // no camera distance (a broken file)
  };
  for (const Row& r : rows) {
    Camera(r.distance, r.theta, r.phi);
    gfx::Point pixel{-1, -1};
    const bool valid = ProjectToPixel(MakePoint(r.x, r.y, r.z), pixel);
    EXPECT_EQ(valid, r.valid) << r.distance << " " << static_cast<double>(r.x);
    if (valid) {
      EXPECT_EQ(pixel, (gfx::Point{r.px, r.py})) << static_cast<double>(r.x) << " " << pixel.x << "," << pixel.y;
    }
  }
}

TEST_F(SpaceTest, BackProjectionReturnsTheProjectedPoint) {
  struct Row {
    int plane;
    Extended x, y, z;
  } rows[] = {{1, 3, 3, 3}, {1, -2, 1, -0.5L}, {0, 0, 2, -1}};
  for (const Row& r : rows) {
    TSpacePoint q, back;
    ProjectPoint(MakePoint(r.x, r.y, r.z), q);
    ScreenToSpacePoint(r.plane, back, static_cast<float>(r.z), static_cast<float>(q.y), static_cast<float>(q.x));
    EXPECT_TRUE(back.valid);
    EXPECT_NEAR(static_cast<double>(back.x), static_cast<double>(r.x), 1e-5);
    EXPECT_NEAR(static_cast<double>(back.y), static_cast<double>(r.y), 1e-5);
    EXPECT_NEAR(static_cast<double>(back.z), static_cast<double>(r.z), 1e-5);
  }
  // A ray parallel to the plane meets it nowhere.
  Camera(10, 0, 0);
  TSpacePoint back;
  ScreenToSpacePoint(1, back, 1, 0, 0);
  EXPECT_FALSE(back.valid);
}

TEST_F(SpaceTest, VisibilityFacingAndTheRangeBox) {
  Camera(10, 0, 0);
  EXPECT_TRUE(IsPointVisible3D(MakePoint(9.899L, 0, 0)));  // C·P - |C|^2 = -1.01
  EXPECT_FALSE(IsPointVisible3D(MakePoint(9.901L, 0, 0)));  // -0.99
  EXPECT_TRUE(FacingCamera(MakePoint(0, 0, 0), MakePoint(1, 0, 0)));
  EXPECT_FALSE(FacingCamera(MakePoint(0, 0, 0), MakePoint(-1, 0, 0)));
  EXPECT_TRUE(InRangeBox(MakePoint(3, -3, 4.8L), 3));
  EXPECT_FALSE(InRangeBox(MakePoint(3.01L, 0, 0), 3));
  EXPECT_FALSE(InRangeBox(MakePoint(0, 0, 4.9L), 3));
}

TEST_F(SpaceTest, TheCameraFollowsTheView) {
  UpdateCamera();
  EXPECT_EQ(spaceView.AxisTickStep3D, 1);  // a 10.8 units high view at the reference height
  const TSpacePoint& c = spaceView.CameraPoint;
  const TSpacePoint& near = spaceView.CameraPointNear;
  EXPECT_NEAR(static_cast<double>(std::sqrt(c.x * c.x + c.y * c.y + c.z * c.z)), 40, 1e-12);
  EXPECT_NEAR(static_cast<double>(std::sqrt(near.x * near.x + near.y * near.y + near.z * near.z)), 39, 1e-12);
  EXPECT_NEAR(static_cast<double>(c.z), 40 * std::sin(std::numbers::pi / 8), 1e-12);
}

TEST_F(SpaceTest, ViewButtonsTurnAndKeepTheirLimits) {
  const Extended step = kPi / 80;
  struct Row {
    Extended phi, theta;
    int code;
    Extended phiAfter, thetaAfter;
  } rows[] = {
      {0, kPi / 8, 0, -step, kPi / 8},
      {0, kPi / 8, 1, step, kPi / 8},
      {kPi - step / 2, kPi / 8, 1, -kPi + step / 2, kPi / 8},  // the azimuth wraps at pi
      {-kPi + step / 2, kPi / 8, 0, kPi - step / 2, kPi / 8},
      {0, kPi / 8, 2, 0, kPi / 8 + step},
      {0, 2 * kPi / 5 - step / 2, 2, 0, 2 * kPi / 5},  // never higher than 2pi/5
      {0, step * 1.5L, 3, 0, step},                    // never lower than pi/80
  };
  for (const Row& r : rows) {
    Camera(40, r.theta, r.phi);
    SpaceViewButtonStep(r.code);
    EXPECT_NEAR(static_cast<double>(doc.CameraPhi), static_cast<double>(r.phiAfter), 1e-15) << r.code;
    EXPECT_NEAR(static_cast<double>(doc.CameraTheta), static_cast<double>(r.thetaAfter), 1e-15) << r.code;
    EXPECT_EQ(spaceView.SinPhi, std::sin(doc.CameraPhi));
  }
  doc.ShadingLevel = 30;
  SpaceViewButtonStep(13);
  EXPECT_EQ(doc.ShadingLevel, 30);
  doc.ShadingLevel = 5;
  SpaceViewButtonStep(14);
  EXPECT_EQ(doc.ShadingLevel, 5);
  SpaceViewButtonStep(13);
  EXPECT_EQ(doc.ShadingLevel, 6);
  SpaceViewButtonStep(15);
  EXPECT_EQ(doc.CameraDistance, 28);
  SpaceViewButtonStep(4);
  EXPECT_EQ(doc.SpaceRange, 4);
}

TEST_F(SpaceTest, ResetsKeepOrRestoreTheDisplayOptions) {
  Camera(90, 0.3L, 2);
  doc.SpaceRange = 7;
  doc.SurfaceGridN = 60;
  doc.ShadingLevel = 22;
  doc.RangeBoxShown = 1;
  doc.Axes3DShown = 0;
  doc.SurfaceDrawMode = 2;
  ResetSpaceViewAndRedraw();
  EXPECT_EQ(doc.CameraDistance, 40);
  EXPECT_EQ(doc.CameraTheta, kPi / 8);
  EXPECT_EQ(doc.CameraPhi, 0.24375L * kPi);
  EXPECT_EQ(doc.SpaceRange, 3);
  EXPECT_EQ(doc.SurfaceGridN, 20);
  EXPECT_EQ(doc.ShadingLevel, 15);
  EXPECT_EQ(spaceView.Distance, 40);
  EXPECT_EQ(doc.RangeBoxShown, 1);  // display options kept
  EXPECT_EQ(doc.SurfaceGrid1.points.size(), 21u * 21u);
  EXPECT_EQ(doc.SurfaceGrid1.points[0].status, 3);
  ResetSpaceView();
  EXPECT_EQ(doc.RangeBoxShown, 0);
  EXPECT_EQ(doc.Axes3DShown, 1);
  EXPECT_EQ(doc.SurfaceDrawMode, 1);
}

TEST_F(SpaceTest, TheViewResetEqualsANewDocumentsView) {
  const DocumentState fresh;
  ResetSpaceView();
  const DocumentState reset = doc;
  Camera(90, 0.3L, 2);
  doc.SpaceRange = 7;
  doc.AxisLength3D = 1;
  doc.SurfaceGridN = 60;
  doc.SurfaceGrid1.points.clear();
  doc.ShadingLevel = 22;
  doc.SpaceColorsNotInverted = 0;
  doc.Axes3DShown = 0;
  doc.RangeBoxShown = 1;
  doc.SpaceDragOffset = 2;
  doc.SurfaceDrawMode = 2;
  doc.SpaceSurfacePresent = 1;
  ResetSpaceView();
  EXPECT_EQ(doc.CameraDistance, fresh.CameraDistance);
  EXPECT_EQ(doc.CameraTheta, fresh.CameraTheta);
  EXPECT_EQ(doc.CameraPhi, fresh.CameraPhi);
  EXPECT_EQ(doc.SpaceRange, fresh.SpaceRange);
  EXPECT_EQ(doc.SurfaceGridN, fresh.SurfaceGridN);
  EXPECT_EQ(doc.ShadingLevel, fresh.ShadingLevel);
  EXPECT_EQ(doc.SpaceColorsNotInverted, fresh.SpaceColorsNotInverted);
  EXPECT_EQ(doc.Axes3DShown, fresh.Axes3DShown);
  EXPECT_EQ(doc.RangeBoxShown, fresh.RangeBoxShown);
  EXPECT_EQ(doc.SpaceDragOffset, fresh.SpaceDragOffset);
  EXPECT_EQ(doc.SurfaceDrawMode, fresh.SurfaceDrawMode);
  // What follows from the range is as after any other reset.
  EXPECT_EQ(doc.AxisLength3D, reset.AxisLength3D);
  EXPECT_EQ(doc.ViewRange, reset.ViewRange);
  EXPECT_EQ(doc.SurfaceGrid1, reset.SurfaceGrid1);
  EXPECT_EQ(doc.SurfaceGrid2, reset.SurfaceGrid2);
  EXPECT_EQ(doc.SpaceSurfacePresent, 1);  // the document's entries decide it
}

}  // namespace
