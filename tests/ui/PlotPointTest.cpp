#include <gtest/gtest.h>

#include "NavigatorFixture.h"
#include "render/DrawToolkitMapping.h"
#include "ui/PlotPoint.h"

namespace {

class PlotPointTest : public UiStateTest {
 protected:
  void SetUp() override {
    UiStateTest::SetUp();
    doc.GraphWidth = 500;
    doc.GraphHeight = 500;
    UpdatePixelSize(1);  // -5..5 on 500 pixels: 0.02 a pixel
    eng.XTickStep = eng.YTickStep = 1;
  }
  // Scripted picker and entry window, logging what they were asked.
  TPlotPointSteps Steps(int letter, bool accept) {
    TPlotPointSteps s;
    s.pickName = [this, letter] {
      log.push_back("picker");
      return letter;
    };
    s.openEntryWindow = [this, accept](int entry, std::uint8_t mode) {
      log.push_back("entry " + std::to_string(entry) + " mode " + std::to_string(mode));
      seen = doc.FigureTable[entry];
      return accept;
    };
    return s;
  }
  std::vector<std::string> log;
  Tfuncprop seen;
};

TEST_F(PlotPointTest, APointIsAddedAtTheSnappedPixelFromAFreshEntry) {
  AddTestEntry(kKindExplicit, {"x"});
  // A stale record beyond the table, as a deleted entry leaves it.
  Tfuncprop& stale = doc.FigureTable[2];
  stale.kind = kKindFigure;
  stale.subkind = 6;
  stale.texts = {"X", "Y", "Z", "W", "V"};
  stale.color = 0x00FF00;
  ui.PointConstructionChosen = 1;

  // Pixel (351, 149) is (2.02, 2.02): within two pixels of the grid line 2.
  ASSERT_TRUE(PlotPointAt(351, 149, {}, Steps(2, true)));
  EXPECT_EQ(log, (std::vector<std::string>{"picker", "entry 2 mode 1"}));
  ASSERT_EQ(doc.EntryCount, 2);
  EXPECT_EQ(doc.KindCounts[kKindPoint], 1);
  const Tfuncprop& p = doc.FigureTable[2];
  EXPECT_EQ(p.kind, kKindPoint);
  EXPECT_EQ(p.subkind, 255);
  EXPECT_EQ(p.letter, 2);
  EXPECT_EQ(p.texts[0], "2.00");
  EXPECT_EQ(p.texts[1], "2.00");
  EXPECT_EQ(p.texts[2], "B");
  EXPECT_EQ(p.texts[3], "0");
  EXPECT_EQ(p.texts[4], "");
  EXPECT_EQ(p.color, Tfuncprop{}.color);
  EXPECT_EQ(doc.PointLetterEntry[2], 2);
  EXPECT_EQ(ui.PointConstructionChosen, 0);  // a plain correction: no construction is asked
  EXPECT_EQ(modes.SnapMode, 2);
  EXPECT_EQ(seen.texts[2], "B");
}

TEST_F(PlotPointTest, NoNameOrACancelledEntryWindowLeavesTheTableAsItWas) {
  AddTestPoint('A', {"1", "1"});
  const int entries = doc.EntryCount;
  for (int letter : {0, 26}) {
    EXPECT_FALSE(PlotPointAt(10, 10, {}, Steps(letter, true)));
    EXPECT_EQ(doc.EntryCount, entries);
  }
  EXPECT_FALSE(PlotPointAt(10, 10, {}, Steps(3, false)));
  EXPECT_EQ(doc.EntryCount, entries);
  EXPECT_EQ(doc.KindCounts[kKindPoint], 1);
  EXPECT_EQ(doc.PointLetterEntry[3], 0);  // C is free again
  EXPECT_EQ(log, (std::vector<std::string>{"picker", "picker", "picker", "entry 2 mode 1"}));
}

TEST_F(PlotPointTest, ATableWithoutRoomAsksNothing) {
  for (const char* c = "ABCDELMNRTGHJKSUVWPYFQOIZ"; *c; ++c) AddTestPoint(*c, {"0", "0"});
  EXPECT_FALSE(PlotPointAt(10, 10, {}, Steps(1, true)));
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(doc.EntryCount, 25);
}

TEST_F(PlotPointTest, InSpaceTheTextsAreTheMouseReadOuts) {
  doc.Dimension = 3;
  TSpaceReadout readout;
  readout.x = "1.5";
  readout.y = "-2";
  readout.z = "0.25";
  ASSERT_TRUE(PlotPointAt(10, 10, readout, Steps(1, true)));
  EXPECT_EQ(log.back(), "entry 1 mode 4");
  const Tfuncprop& p = doc.FigureTable[1];
  EXPECT_EQ(p.texts[0], "1.5");
  EXPECT_EQ(p.texts[1], "-2");
  EXPECT_EQ(p.texts[2], "A");
  EXPECT_EQ(p.texts[3], "0.25");
}

TEST_F(PlotPointTest, ThePickerStandsBesideThePixelAndTurnsAtTheEdges) {
  const struct {
    int x, y, px;
    int left, top;
  } cases[] = {
      {300, 200, 100, 308, 200},   // beside the pixel
      {1100, 200, 100, 890, 200},  // near the screen's right edge: to the left
      {300, 900, 100, 308, 690},   // near the bottom: above
      {600, 200, 400, 498, 200},   // the pixel within its width of the drawing's edge: back by the overshoot
  };
  for (const auto& c : cases) {
    const TPickerPlace p = PickerNearPixel(c.x, c.y, c.px, 210, 200, 1280, 1024);
    EXPECT_EQ(p.left, c.left) << c.x << "," << c.y;
    EXPECT_EQ(p.top, c.top) << c.x << "," << c.y;
  }
}

}  // namespace
