#include <gtest/gtest.h>

#include "support/GuiApp.h"
#include "platform/RasterCanvas.h"
#include "render/AxesFixture.h"

namespace {

constexpr gfx::Color kGrid = 0xC0C0C0;

// The two passes as the redraw makes them: grid into the back bitmap, the rest over a
// copy of it.
class AxesPicture : public AxesTest {
 protected:
  void SetUp() override {
    EnsureGuiApp();
    AxesTest::SetUp();
  }
  void Paint() {
    gfx::RasterCanvas back(500, 500);
    ClearGraphBitmap(back);
    DrawAxes(back, 1);
    CopyGraphBitmap(back, picture, gfx::CopyMode::Copy);
    DrawAxes(picture, 2);
  }
  // The colour within one pixel of (x, y), for curved lines.
  bool NearColour(int x, int y, gfx::Color colour) const {
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (picture.Pixel(x + dx, y + dy) == colour) return true;
    return false;
  }
  gfx::RasterCanvas picture{500, 500};
};

TEST_F(AxesPicture, Cartesian) {
  doc.XAxisColor = 0x0000FF;
  Paint();
  EXPECT_EQ(picture.Pixel(100, 250), 0x0000FFu);  // x axis
  EXPECT_EQ(picture.Pixel(250, 420), gfx::kBlack);  // y axis
  EXPECT_EQ(picture.Pixel(300, 120), kGrid);        // grid line x = 1
  EXPECT_EQ(picture.Pixel(120, 50), kGrid);         // grid line y = 4
  EXPECT_EQ(picture.Pixel(325, 125), gfx::kWhite);
  EXPECT_EQ(picture.Pixel(300, 247), 0x0000FFu);    // a tick over the grid
}

TEST_F(AxesPicture, Polar) {
  doc.CoordinateSystem = 1;
  Paint();
  EXPECT_TRUE(NearColour(250 + 97, 250 - 26, kGrid));  // circle r = 2 at 15°
  EXPECT_EQ(picture.Pixel(250, 100), kGrid);            // ray at 90°
  EXPECT_TRUE(NearColour(250 + 87, 250 - 50, kGrid));   // ray at 30°
  EXPECT_EQ(picture.Pixel(400, 250), gfx::kBlack);      // the r arrow over the 0° ray
  EXPECT_EQ(picture.Pixel(100, 250), kGrid);            // the 180° ray, no axis there
}

TEST_F(AxesPicture, LogarithmicSystems) {
  // Log-log over 0.1 .. 100 on both axes: the line of 2 is log10 2 of a decade right of 1.
  doc.CoordinateSystem = 3;
  View(-1, 2, -1, 2, 500, 500);
  Paint();
  const int two = WorldToScreenX(0.30103L);
  EXPECT_EQ(picture.Pixel(two, 60), kGrid);
  EXPECT_EQ(picture.Pixel(two + 13, 60), gfx::kWhite);
  EXPECT_EQ(picture.Pixel(60, WorldToScreenY(1)), kGrid);

  // Vertical semi-log: linear x grid, decades on y.
  doc.CoordinateSystem = 2;
  View(-1, 9, -2, 3, 500, 500);
  picture.Resize(500, 500);
  Paint();
  EXPECT_EQ(picture.Pixel(WorldToScreenX(0), 20), kGrid);
  EXPECT_EQ(picture.Pixel(WorldToScreenX(0.5L), 20), gfx::kWhite);
  EXPECT_EQ(picture.Pixel(75, WorldToScreenY(std::log10(3.0L))), kGrid);

  // Horizontal semi-log: decades on x, linear y grid.
  doc.CoordinateSystem = 4;
  View(-2, 2, -5, 5, 500, 500);
  picture.Resize(500, 500);
  Paint();
  EXPECT_EQ(picture.Pixel(WorldToScreenX(std::log10(5.0L)), 30), kGrid);
  EXPECT_EQ(picture.Pixel(300, WorldToScreenY(2)), kGrid);
}

}  // namespace
