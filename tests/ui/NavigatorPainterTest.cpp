#include <gtest/gtest.h>

#include "NavigatorFixture.h"
#include "platform/RasterCanvas.h"
#include "support/GuiApp.h"
#include "ui/NavigatorPainter.h"

namespace {

class NavigatorPainterTest : public NavigatorTest {
 protected:
  void SetUp() override {
    EnsureGuiApp();
    NavigatorTest::SetUp();
  }
  // Builds and paints the list with real fonts.
  NavigatorList Paint() {
    RecomputeKindSums();
    NavigatorList list = BuildNavigatorList(layout, text);
    PaintNavigatorList(list, layout, text, labels);
    return list;
  }
  int CountPixels(const gfx::Canvas& c, int top, int bottom, gfx::Color color) const {
    int n = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = 0; x < c.Width(); ++x) n += c.Pixel(x, y) == color;
    return n;
  }
  TListLayout layout{400, 30, 12};
  gfx::RasterCanvas text{400, 300};
  gfx::RasterCanvas labels{30, 300};
};

TEST_F(NavigatorPainterTest, AHiddenEntryIsStruckThroughTwiceInRed) {
  const int i = AddTestEntry(kKindExplicit, {"x"});
  doc.FigureTable[i].shown = 0;
  const NavigatorList list = Paint();
  const TListEntryRow& row = *list.EntryRowOf(i);
  const int middle = (row.row.top + row.toggleBottom) / 2;
  for (int dy : {1, 3})
    for (int x = 2; x < layout.listIndent - 4; ++x) EXPECT_EQ(labels.Pixel(x, middle + dy), 0x0000FFu) << x << "," << dy;
  EXPECT_EQ(labels.Pixel(1, middle + 1), kPlaneSectionColor);
  EXPECT_EQ(CountPixels(labels, middle + 2, middle + 3, 0x0000FF), 0);
}

TEST_F(NavigatorPainterTest, AWhiteEntrysLabelIsOutlinedInGrey) {
  const int white = AddTestEntry(kKindExplicit, {"x"});
  const int blue = AddTestEntry(kKindExplicit, {"2*x"});
  doc.FigureTable[white].color = 0xFFFFFF;
  const NavigatorList list = Paint();
  const TListEntryRow& w = *list.EntryRowOf(white);
  const TListEntryRow& b = *list.EntryRowOf(blue);
  EXPECT_GT(CountPixels(labels, w.row.top, w.row.bottom, kListGrey), 10);
  EXPECT_GT(CountPixels(labels, w.row.top, w.row.bottom, gfx::kWhite), 0);
  EXPECT_EQ(CountPixels(labels, b.row.top, b.row.bottom, kListGrey), 0);
  EXPECT_GT(CountPixels(labels, b.row.top, b.row.bottom, 0xFF0000), 10);
  // The entry's text is written in its colour.
  EXPECT_GT(CountPixels(text, b.row.top, b.row.bottom, 0xFF0000), 10);
}

TEST_F(NavigatorPainterTest, SectionsAddRowsAndTheRaisedLabelBox) {
  const int i = AddTestEntry(kKindExplicit, {"x"});
  const NavigatorList list = Paint();
  const TListSection& s = list.sections[0];
  EXPECT_EQ(text.Pixel(200, s.top), gfx::kBlack);
  EXPECT_EQ(text.Pixel(200, s.top + 1), kPlaneSectionColor);
  EXPECT_EQ(labels.Pixel(10, s.top + 1), kPlaneSectionColor);
  const TListAddRow& add = list.adds[0];
  EXPECT_EQ(text.Pixel(2, add.row.top + 5), kListGrey);  // the add row's frame
  EXPECT_GT(CountPixels(text, add.row.top + 1, add.row.bottom - 1, kListGrey), 40);
  EXPECT_EQ(list.sections.back().color, kDefinitionSectionColor);

  const TListEntryRow& row = *list.EntryRowOf(i);
  PaintLabelBox(row, layout, labels, true);
  EXPECT_EQ(labels.Pixel(0, row.row.top + 2), gfx::kWhite);
  EXPECT_EQ(labels.Pixel(layout.listIndent - 3, row.row.top + 2), gfx::kBlack);
  PaintLabelBox(row, layout, labels, false);
  EXPECT_EQ(labels.Pixel(0, row.row.top + 2), kPlaneSectionColor);
}

}  // namespace
