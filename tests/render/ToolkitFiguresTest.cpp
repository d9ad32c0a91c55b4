#include <gtest/gtest.h>

#include <numbers>

#include "platform/RasterCanvas.h"
#include "platform/RecordingCanvas.h"
#include "render/ToolkitFixture.h"

namespace {

using gfx::OpKind;
using gfx::Point;
using Pts = std::vector<Point>;

class Figures : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    View(0, 500, 0, 500, 500, 500);  // world x = pixel x, world y = 500 - pixel y
  }
  gfx::RecordingCanvas c{500, 500};
};

TEST_F(Figures, ArrowheadGeometry) {
  struct Row {
    int style;
    std::uint8_t fixed;
    int penWidth;
    Pts polygon;
  } rows[] = {
      {0, 1, 1, {{100, 100}, {89, 97}, {89, 103}}},
      {1, 1, 1, {{100, 100}, {89, 96}, {92, 100}, {89, 104}}},
      {0, 0, 2, {{100, 100}, {87, 96}, {87, 104}}},  // factor 1.16
  };
  for (const Row& r : rows) {
    c.Clear();
    c.pen.width = r.penWidth;
    c.pen.color = 0x0000FF;
    c.brush.color = 0x00FF00;
    DrawArrowHead(10, r.fixed, c, static_cast<std::uint8_t>(r.style), 100, 400, 0, 400);
    ASSERT_EQ(c.Ops().size(), 1u);
    EXPECT_EQ(c.Ops()[0].kind, OpKind::Polygon);
    EXPECT_EQ(c.Ops()[0].points, r.polygon) << r.style;
    EXPECT_EQ(c.Ops()[0].brush.color, 0x0000FFu);  // filled in the pen colour
    EXPECT_EQ(c.Ops()[0].pen.width, 1);
    EXPECT_EQ(c.brush.color, 0x00FF00u);  // given back
    EXPECT_EQ(c.pen.width, r.penWidth);
  }
  c.Clear();
  DrawArrowHead(10, 0, c, 0, 100, 400, 100, 400);  // no direction
  EXPECT_TRUE(c.Ops().empty());
}

TEST_F(Figures, PrintedArrowheadsKeepTheScreenFactor) {
  // On paper at scale 5 an entry of width 2 draws with a pen of 10 pixels; the head
  // takes the factor of width 2, as on screen (scaled once, by its size).
  settings.OutputScale = 5;
  c.pen.width = 10;
  DrawArrowHead(10, 0, c, 0, 100, 400, 0, 400);
  EXPECT_EQ(c.Ops()[0].points, (Pts{{100, 100}, {87, 96}, {87, 104}}));
}

TEST_F(Figures, ArrowsDrawTheHeadOnlyWhenTheTipIsInView) {
  DrawArrow(10, 1, c, 0, DashPattern(1), 0, 100, 400, 200, 400);
  EXPECT_EQ(c.OpsOf(OpKind::Polygon).size(), 1u);
  c.Clear();
  DrawArrow(10, 1, c, 0, DashPattern(1), 0, 100, 400, 900, 400);
  EXPECT_EQ(c.OpsOf(OpKind::Polygon).size(), 0u);
  EXPECT_EQ(c.OpsOf(OpKind::Polyline).size(), 1u);
}

TEST_F(Figures, Markers) {
  DrawMarker(c, 50, 50, 0xFFFFFF, 1, 3);
  EXPECT_TRUE(c.Ops().empty());  // white draws nothing
  c.pen.width = 1;
  DrawMarker(c, 50, 50, 0x0000FF, 1, 3);
  ASSERT_EQ(c.Ops().size(), 1u);
  EXPECT_EQ(c.Ops()[0].rect, (gfx::Rect{47, 47, 53, 53}));
  EXPECT_EQ(c.Ops()[0].brush.style, gfx::BrushStyle::Solid);
  EXPECT_EQ(c.Ops()[0].brush.color, 0x0000FFu);
  DrawMarker(c, 50, 50, 0x0000FF, 0, 3);
  EXPECT_EQ(c.Ops()[1].brush.style, gfx::BrushStyle::Clear);
  EXPECT_EQ(c.Ops()[1].pen.width, 2);
  DrawPointMarker(c, 3, 1, 0x0000FF, 600, 100);  // outside
  EXPECT_EQ(c.Ops().size(), 2u);
  DrawPointMarker(c, 3, 1, 0x0000FF, 10, 490);
  EXPECT_EQ(c.Ops()[2].rect, (gfx::Rect{7, 7, 13, 13}));
}

TEST_F(Figures, MarkersOnPaperAreScaledOnce) {
  settings.OutputScale = 4;
  c.pen.width = 8;  // the caller's pen, already scaled
  DrawMarker(c, 100, 100, 0x0000FF, 0, 3);
  DrawMarker(c, 100, 100, 0x0000FF, 1, 3);
  EXPECT_EQ(c.Ops()[0].pen.width, 8);  // hollow: ScaleToOutput(2)
  EXPECT_EQ(c.Ops()[0].rect, (gfx::Rect{88, 88, 112, 112}));
  EXPECT_EQ(c.Ops()[1].pen.width, 8);  // filled: the caller's width
  EXPECT_EQ(c.pen.width, 8);
}

TEST_F(Figures, MarkerCalibrationOnARaster) {
  gfx::RasterCanvas r(100, 100);
  r.pen.width = 1;
  DrawMarker(r, 50, 50, 0x000000, 1, 3);
  for (int x = 40; x < 60; ++x) {
    const bool ink = r.Pixel(x, 50) != gfx::kWhite;
    EXPECT_EQ(ink, x >= 47 && x <= 52) << x;
  }
}

TEST_F(Figures, CircleArcs) {
  View(-5, 5, -5, 5, 500, 500);  // 50 pixels per unit
  const Extended pi = std::numbers::pi_v<Extended>;
  DrawCircleArc(c, 0x0000FF, 1, 1, 1, 0, 0, 1);  // equal angles
  EXPECT_TRUE(c.Ops().empty());
  DrawCircleArc(c, 0x0000FF, 2, 0, 2 * pi, 0, 0, 1);
  ASSERT_EQ(c.Ops().size(), 1u);
  EXPECT_EQ(c.Ops()[0].kind, OpKind::Ellipse);
  EXPECT_EQ(c.Ops()[0].rect, (gfx::Rect{200, 200, 300, 300}));
  EXPECT_EQ(c.Ops()[0].pen.width, 2);
  EXPECT_EQ(c.Ops()[0].brush.style, gfx::BrushStyle::Clear);
  c.Clear();
  DrawCircleArc(c, 0x0000FF, 1, pi / 2, 0, 0, 0, 1);  // given backwards
  ASSERT_EQ(c.Ops().size(), 1u);
  EXPECT_EQ(c.Ops()[0].kind, OpKind::Arc);
  EXPECT_EQ(c.Ops()[0].points, (Pts{{300, 250}, {250, 200}}));
}

TEST_F(Figures, TinyArcsAreOnePixelNotAWholeCircle) {
  View(-5, 5, -5, 5, 500, 500);
  // r = 2 (100 pixels): a span of 0.004 moves the end less than half a pixel.
  DrawCircleArc(c, 0x0000FF, 1, 0, 0.004L, 0, 0, 2);
  ASSERT_EQ(c.Ops().size(), 1u);
  EXPECT_EQ(c.Ops()[0].kind, OpKind::Line);
  EXPECT_EQ(c.Ops()[0].points, (Pts{{350, 250}, {350, 251}}));
  c.Clear();
  // Nearly a full turn whose ends meet on one pixel is the whole circle.
  DrawCircleArc(c, 0x0000FF, 1, 0, 2 * std::numbers::pi_v<Extended> - 0.004L, 0, 0, 2);
  ASSERT_EQ(c.Ops().size(), 1u);
  EXPECT_EQ(c.Ops()[0].kind, OpKind::Ellipse);
}

TEST_F(Figures, TheMetafileTakesTheDrawingInTheOutputMode) {
  View(-5, 5, -5, 5, 500, 500);
  gfx::RecordingCanvas bitmap, mf;
  settings.DrawToMetafile = 1;
  settings.MetafileCanvas = &mf;
  settings.OutputScale = 3;
  modes.OutputColorMode = 1;
  bitmap.pen.color = 0x0000FF;
  bitmap.pen.width = 1;
  DrawWorldSegment(bitmap, 0, DashPattern(1), -1, 0, 1, 0);
  DrawCircleArc(bitmap, 0x0000FF, 2, 0, 1, 0, 0, 1);
  DrawMarker(bitmap, 10, 10, 0x0000FF, 1, 2);
  EXPECT_TRUE(bitmap.Ops().empty());
  ASSERT_EQ(mf.Ops().size(), 3u);
  EXPECT_EQ(mf.Ops()[0].kind, OpKind::Polyline);
  EXPECT_EQ(mf.Ops()[0].pen.color, 0x808080u);
  EXPECT_EQ(mf.OpsOf(OpKind::SetPixel).size(), 0u);  // no end pixel on the metafile
  EXPECT_EQ(mf.Ops()[1].kind, OpKind::Arc);
  EXPECT_EQ(mf.Ops()[1].pen.color, 0x808080u);
  EXPECT_EQ(mf.Ops()[1].pen.width, 6);
  EXPECT_EQ(mf.Ops()[2].brush.color, 0x808080u);
  EXPECT_EQ(mf.Ops()[2].rect, (gfx::Rect{4, 4, 16, 16}));
}

}  // namespace

namespace {

TEST_F(Figures, XorPixelLinesEraseThemselves) {
  gfx::RasterCanvas r(50, 50);
  const QImage before = r.Image().copy();
  r.pen.mode = gfx::PenMode::NotXor;
  r.pen.color = 0x808080;
  DrawPixelLine(3, 4, 40, 30, r);
  EXPECT_NE(r.Pixel(40, 30), gfx::kWhite);  // the end pixel is drawn
  DrawPixelLine(3, 4, 40, 30, r);
  EXPECT_TRUE(r.Image() == before);
}

}  // namespace
