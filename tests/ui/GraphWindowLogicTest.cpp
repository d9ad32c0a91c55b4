#include <gtest/gtest.h>

#include "platform/Sjis.h"
#include "support/StateFixture.h"
#include "ui/GraphWindowLogic.h"
#include "ui/StartupLayout.h"

namespace {

constexpr int kChrome = kToolStripHeight + kStatusBarHeight + 2;  // client height less drawing height

class GraphWindowLogicTest : public StateTest {
 protected:
  void SetUp() override {
    StateTest::SetUp();
    doc.GraphWidth = doc.GraphHeight = 500;
    doc.PixelSizeX = doc.PixelSizeY = 0.02L;
  }
  static TClientSize Client(int drawingWidth, int drawingHeight) { return {drawingWidth + 2, drawingHeight + kChrome}; }
  const TClientSize remembered{914, 960};
};

TEST_F(GraphWindowLogicTest, APlaneResizeKeepsTheCentreAndThePixelSizes) {
  const TResizeResult r = ResizeDrawing(Client(600, 500), remembered);
  EXPECT_EQ(r.client, Client(600, 500));
  EXPECT_FALSE(r.normalState);
  EXPECT_EQ(doc.GraphWidth, 600);
  EXPECT_EQ(doc.GraphHeight, 500);
  EXPECT_DOUBLE_EQ(static_cast<double>(doc.ViewRange.XMin), -6);
  EXPECT_DOUBLE_EQ(static_cast<double>(doc.ViewRange.XMax), 6);
  EXPECT_DOUBLE_EQ(static_cast<double>(doc.ViewRange.YMin), -5);
  EXPECT_DOUBLE_EQ(static_cast<double>(doc.ViewRange.YMax), 5);
  EXPECT_DOUBLE_EQ(static_cast<double>(doc.PixelSizeX), 0.02);
}

TEST_F(GraphWindowLogicTest, KeepingTheAspectRatioKeepsTheHeightOfTheView) {
  settings.KeepAspectRatio = 1;
  ResizeDrawing(Client(600, 400), remembered);
  EXPECT_DOUBLE_EQ(static_cast<double>(doc.ViewRange.YMin), -5);
  EXPECT_DOUBLE_EQ(static_cast<double>(doc.ViewRange.YMax), 5);
  EXPECT_NEAR(static_cast<double>(doc.PixelSizeY), 0.025, 1e-9);
  EXPECT_NEAR(static_cast<double>(doc.ViewRange.XMin), -7.5, 1e-6);
  EXPECT_NEAR(static_cast<double>(doc.ViewRange.XMax), 7.5, 1e-6);
  EXPECT_NEAR(static_cast<double>(doc.PixelSizeX), 0.025, 1e-9);
}

TEST_F(GraphWindowLogicTest, SmallAndHeldWindows) {
  // Too low or too narrow: held to the least client size.
  TResizeResult r = ResizeDrawing({100, 100}, remembered);
  EXPECT_EQ(r.client, (TClientSize{kMinClientWidth, kMinClientHeight}));
  EXPECT_EQ(doc.GraphHeight, kMinClientHeight - kChrome);
  EXPECT_GT(doc.GraphWidth, 0);
  // While a calculus animation runs the window keeps its size of creation.
  modes.CalculusActive = 1;
  r = ResizeDrawing({1200, 1000}, remembered);
  EXPECT_EQ(r.client, remembered);
  EXPECT_TRUE(r.normalState);
  EXPECT_EQ(doc.GraphWidth, 912);
}

TEST_F(GraphWindowLogicTest, SpaceKeepsTheDrawingSquare) {
  doc.Dimension = 3;
  const TViewRange view = doc.ViewRange;
  TResizeResult r = ResizeDrawing(Client(700, 500), remembered);
  EXPECT_EQ(doc.GraphHeight, 500);
  EXPECT_EQ(doc.GraphWidth, 500);
  EXPECT_EQ(r.client.width, 502);
  EXPECT_EQ(doc.ViewRange, view);
  // Wider than at creation: back to the size of creation.
  r = ResizeDrawing({1000, 700}, remembered);
  EXPECT_EQ(r.client, (TClientSize{914, 960}));
  EXPECT_TRUE(r.normalState);
  EXPECT_EQ(doc.GraphWidth, 912);
}

TEST_F(GraphWindowLogicTest, FourThreeShape) {
  EXPECT_EQ(FourThreeShape({1000, 600}), (TClientSize{1000, 750}));
  EXPECT_EQ(FourThreeShape({600, 600}), (TClientSize{800, 600}));
  EXPECT_EQ(FourThreeShape({800, 600}), (TClientSize{800, 600}));
}

TEST_F(GraphWindowLogicTest, StatusAndCaptionTexts) {
  const std::string size = PictureSizeText();
  EXPECT_EQ(sjis::ToUtf8(size), " 500×500");
  EXPECT_EQ(PictureSizePanelWidth(size), 7 * 9);
  EXPECT_EQ(CaptionForFile("a.lpw"), "Lumenplotter   [a.lpw]");
  EXPECT_EQ(CaptionForFile(""), "Lumenplotter");
}

TEST_F(GraphWindowLogicTest, SerialFramesSortInOrder) {
  struct Case {
    const char* base;
    int counter;
    const char* name;
  };
  const Case cases[] = {
      {"graph.png", 1, "graph10001.png"},     {"graph.png", 2, "graph10002.png"},
      {"graph.png", 9999, "graph19999.png"},  {"pics.v2/graph.png", 1, "pics.v2/graph10001.png"},
      {"/home/u/.cache/a.b.jpg", 3, "/home/u/.cache/a10003.b.jpg"}, {"frame", 1, "frame10001"},
  };
  for (const Case& c : cases) EXPECT_EQ(SerialFrameName(c.base, c.counter), c.name) << c.base;
}

}  // namespace
