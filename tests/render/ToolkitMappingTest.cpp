#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "render/ToolkitFixture.h"

namespace {

using Mapping = ToolkitTest;

TEST_F(Mapping, WorldToPixelAtTheEdgesAndTheCentre) {
  struct Row {
    Extended x0, x1, y0, y1;
    int w, h;
    Extended x, y;
    int px, py;
  } rows[] = {
      {-5, 5, -5, 5, 500, 500, -5, 5, 0, 0},         {-5, 5, -5, 5, 500, 500, 0, 0, 250, 250},
      {-5, 5, -5, 5, 500, 500, 5, -5, 500, 500},     {10, 20, -1, 1, 800, 400, 10, 1, 0, 0},
      {10, 20, -1, 1, 800, 400, 15, 0, 400, 200},    {10, 20, -1, 1, 800, 400, 20, -1, 800, 400},
      {-0.5, 0.5, 100, 300, 101, 51, 0, 200, 50, 26},  // 50.5 and 25.5: halves to even
      {0, 4, 0, 4, 4, 4, 0.5, 3.5, 0, 0},            {0, 4, 0, 4, 4, 4, 1.5, 2.5, 2, 2},
      {0, 4, 0, 4, 4, 4, 2.5, 1.5, 2, 2},
  };
  for (const Row& r : rows) {
    View(r.x0, r.x1, r.y0, r.y1, r.w, r.h);
    EXPECT_EQ(WorldToScreenX(r.x), r.px) << static_cast<double>(r.x);
    EXPECT_EQ(WorldToScreenY(r.y), r.py) << static_cast<double>(r.y);
  }
  View(-5, 5, -5, 5, 500, 500);
  TSpacePoint p;
  p.x = 1;
  p.y = 2;
  const ScreenPoint s = WorldToScreenPoint(p);
  EXPECT_EQ(s.x, 300);
  EXPECT_EQ(s.y, 150);
}

TEST_F(Mapping, FarAwayAndUndefinedValuesAreClamped) {
  EXPECT_EQ(WorldToPixelX(1e9L), 32000);
  EXPECT_EQ(WorldToPixelX(-1e9L), -32000);
  EXPECT_EQ(WorldToPixelY(-1e4000L), 32000);
  EXPECT_EQ(WorldToScreenX(std::numeric_limits<Extended>::quiet_NaN()), 32000);
  EXPECT_EQ(WorldToScreenY(std::numeric_limits<Extended>::infinity()), -32000);
  // A view of no width on a drawing area of no size (a broken file).
  View(1, 1, 1, 1, 0, 0);
  EXPECT_EQ(WorldToScreenX(1), 32000);
  EXPECT_EQ(WorldToScreenX(2), 32000);
  EXPECT_TRUE(std::isfinite(doc.PixelSizeX));
  EXPECT_TRUE(std::isfinite(doc.PixelSizeY));
  // Only the axis without a span maps nowhere.
  View(1, 1, -5, 5, 500, 500);
  EXPECT_EQ(WorldToScreenX(1), 32000);
  EXPECT_EQ(WorldToScreenY(0), 250);
}

TEST_F(Mapping, PixelSizes) {
  View(-5, 5, -2, 2, 1000, 400);
  EXPECT_DOUBLE_EQ(static_cast<double>(doc.PixelSizeX), 0.01);
  EXPECT_DOUBLE_EQ(static_cast<double>(doc.PixelSizeY), 0.01);
  doc.ViewRange.XMax = 15;
  UpdatePixelSize(0);  // x takes the y scale
  EXPECT_DOUBLE_EQ(static_cast<double>(doc.PixelSizeX), 0.01);
  UpdatePixelSize(1);
  EXPECT_DOUBLE_EQ(static_cast<double>(doc.PixelSizeX), 0.02);
  // The bounds' difference is taken in single precision.
  View(0, 0.1L, 0, 0.1L, 1, 1);
  EXPECT_EQ(doc.PixelSizeY, static_cast<Extended>(0.1f));
}

TEST_F(Mapping, ViewMarginIsOnePixel) {
  View(-5, 5, -5, 5, 100, 100);  // 0.1 per pixel
  EXPECT_TRUE(PointInViewMargin(0, 5.05L, 0));
  EXPECT_TRUE(PointInViewMargin(0, -5.09L, 5.09L));
  EXPECT_FALSE(PointInViewMargin(0, 5.15L, 0));
  EXPECT_FALSE(PointInViewMargin(0, 0, -5.2L));
  EXPECT_FALSE(PointInViewMargin(0, std::numeric_limits<Extended>::quiet_NaN(), 0));
  View(-5, 5, 0, 1, 100, 100);
  EXPECT_TRUE(PointInViewMargin(1, 0.5L, 4));  // swapped: x = 4, y = 0.5
  EXPECT_FALSE(PointInViewMargin(0, 0.5L, 4));
  TSpacePoint p;
  p.x = 4;
  p.y = 0.5L;
  EXPECT_TRUE(IsRecordPointVisible(p));
}

TEST_F(Mapping, LogarithmicCoordinates) {
  struct Row {
    int system;
    Extended x, y;
    bool ok;
    Extended lx, ly;
  } rows[] = {
      {2, 3, 100, true, 3, 2},    {2, 3, 0, false, 3, 0},     {3, 10, 0.01L, true, 1, -2},
      {3, -1, 10, false, -1, 10}, {4, 1000, -5, true, 3, -5}, {0, -1, -1, true, -1, -1},
      {1, 0, -2, true, 0, -2},
  };
  for (const Row& r : rows) {
    doc.CoordinateSystem = static_cast<uint8_t>(r.system);
    Extended x = r.x, y = r.y;
    EXPECT_EQ(ToLogCoordinates(x, y), r.ok) << r.system;
    EXPECT_NEAR(static_cast<double>(x), static_cast<double>(r.lx), 1e-15);
    EXPECT_NEAR(static_cast<double>(y), static_cast<double>(r.ly), 1e-15);
  }
}

}  // namespace
