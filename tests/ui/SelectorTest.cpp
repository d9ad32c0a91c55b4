#include <gtest/gtest.h>

#include "UiStateFixture.h"
#include "platform/RasterCanvas.h"
#include "support/GuiApp.h"
#include "ui/ColorStyleSelector.h"
#include "ui/CoordinateSelector.h"

namespace {

class SelectorTest : public UiStateTest {
 protected:
  void SetUp() override {
    EnsureGuiApp();
    UiStateTest::SetUp();
  }
  // A raised button is light at its top-left corner, a pressed one dark.
  static bool Pressed(const gfx::Canvas& c, const gfx::Rect& r) { return c.Pixel(r.left, r.top) == 0x808080; }
};

TEST_F(SelectorTest, ColorStyleHitsByMode) {
  struct Row {
    int mode, x, y, result;
  } rows[] = {{0, 20, 30, 0},  {0, 10, 30, -1}, {0, 115, 40, 1}, {0, 135, 40, -1},
              {0, 155, 40, 2}, {0, 195, 40, 3}, {1, 195, 40, -1}, {1, 155, 40, 2}};
  for (const Row& r : rows) {
    ColorStyleSelector sel;
    DrawColorStyleSelector(sel, 1, 0xFF8080, r.mode);
    ui.EntryModified = 0;
    EXPECT_EQ(SelectColorStyleButton(sel, r.x, r.y, 0xFF8080, r.mode), r.result) << r.mode << " " << r.x;
    EXPECT_EQ(ui.EntryModified, r.result >= 0 ? 1 : 0) << r.mode << " " << r.x;
  }
}

TEST_F(SelectorTest, ExactlyOneStyleIsDown) {
  ColorStyleSelector sel;
  DrawColorStyleSelector(sel, 1, 0x0000FF, 0);
  const auto& rects = sel.state.rects;
  EXPECT_TRUE(Pressed(sel.image, rects[1]));
  EXPECT_FALSE(Pressed(sel.image, rects[3]));
  EXPECT_EQ(sel.image.Pixel(20, 40), 0x0000FFu);  // the swatch shows the colour

  PressColorStyleButton(sel, 195, 40, 0x0000FF, 0);  // held: shown pressed, the others up
  EXPECT_TRUE(Pressed(sel.image, rects[3]));
  EXPECT_FALSE(Pressed(sel.image, rects[1]));
  EXPECT_EQ(SelectColorStyleButton(sel, 195, 40, 0x0000FF, 0), 3);
  EXPECT_EQ(sel.state.down, (std::array<bool, 4>{false, false, false, true}));
  EXPECT_TRUE(Pressed(sel.image, rects[3]));

  PressColorStyleButton(sel, 20, 30, 0x0000FF, 0);  // the swatch
  EXPECT_TRUE(Pressed(sel.image, rects[0]));
  EXPECT_TRUE(Pressed(sel.image, rects[3]));
  EXPECT_EQ(SelectColorStyleButton(sel, 20, 30, 0x0000FF, 0), 0);
  EXPECT_FALSE(Pressed(sel.image, rects[0]));  // raised again

  PressColorStyleButton(sel, 115, 40, 0x0000FF, 0);  // pressed, released off the buttons
  EXPECT_EQ(SelectColorStyleButton(sel, 300, 5, 0x0000FF, 0), -1);
  EXPECT_FALSE(Pressed(sel.image, rects[1]));
  EXPECT_TRUE(Pressed(sel.image, rects[3]));
}

TEST_F(SelectorTest, CoordinateSystems) {
  struct Row {
    int x, y, hit;
  } rows[] = {{65, 75, 1}, {200, 75, 2}, {50, 200, 3}, {135, 200, 4}, {220, 200, 5}, {92, 200, 0}, {30, 75, 0}};
  for (const Row& r : rows) EXPECT_EQ(HitTestCoordTypeSelector(r.x, r.y), r.hit) << r.x << "," << r.y;
  gfx::RasterCanvas image(kCoordTypeSelectorWidth, kCoordTypeSelectorHeight);
  DrawCoordTypeSelector(image, 3);
  for (int s = 0; s < 5; ++s) EXPECT_EQ(Pressed(image, CoordTypeButtonRect(s)), s == 3) << s;
  EXPECT_EQ(image.Pixel(5, 200), gfx::kBlack);    // the frame of the logarithmic group
  EXPECT_EQ(image.Pixel(264, 200), gfx::kBlack);
}

}  // namespace
