#include <gtest/gtest.h>

#include <cmath>

#include "platform/RecordingCanvas.h"
#include "render/ToolkitFixture.h"

namespace {

class Clip : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    View(-5, 5, -5, 5, 100, 100);  // margin 0.1
  }
};

TEST_F(Clip, SegmentsAgainstTheWidenedView) {
  struct Row {
    const char* what;
    Extended x1, y1, x2, y2;
    bool visible;
    Extended cx1, cy1, cx2, cy2;
  } rows[] = {
      {"inside", 0, 0, 1, 1, true, 0, 0, 1, 1},
      {"second end out", 0, 0, 10, 0, true, 0, 0, 5.1L, 0},
      {"first end out", 10, 0, 0, 0, true, 5.1L, 0, 0, 0},
      {"through the top", 0, 0, 1, 20, true, 0, 0, 0.255L, 5.1L},
      {"across, two edges", -10, 0, 10, 0, true, -5.1L, 0, 5.1L, 0},
      {"diagonal through corners", -10, -10, 10, 10, true, -5.1L, -5.1L, 5.1L, 5.1L},
      {"wholly left", -10, 10, -6, 10, false, 0, 0, 0, 0},
      {"missing the corner", 4, 20, 20, 4, false, 0, 0, 0, 0},
      {"nearly vertical", 1, -100, 1 + 1e-12L, 100, true, 1, -5.1L, 1 + 1e-12L, 5.1L},
      {"a point inside", 2, 2, 2, 2, true, 2, 2, 2, 2},
      {"a point outside", 7, 7, 7, 7, false, 0, 0, 0, 0},
  };
  for (const Row& r : rows) {
    Extended x1 = r.x1, y1 = r.y1, x2 = r.x2, y2 = r.y2;
    std::uint8_t visible = 9;
    ClipSegmentToView(x1, y1, x2, y2, visible);
    EXPECT_EQ(visible != 0, r.visible) << r.what;
    if (!r.visible) continue;
    for (Extended v : {x1, y1, x2, y2}) EXPECT_FALSE(std::isnan(v)) << r.what;
    EXPECT_NEAR(static_cast<double>(x1), static_cast<double>(r.cx1), 1e-6) << r.what;
    EXPECT_NEAR(static_cast<double>(y1), static_cast<double>(r.cy1), 1e-6) << r.what;
    EXPECT_NEAR(static_cast<double>(x2), static_cast<double>(r.cx2), 1e-6) << r.what;
    EXPECT_NEAR(static_cast<double>(y2), static_cast<double>(r.cy2), 1e-6) << r.what;
  }
}

TEST_F(Clip, UndefinedEndsAreRejected) {
  Extended x1 = 0, y1 = 0, x2 = std::nanl(""), y2 = 1;
  std::uint8_t visible = 1;
  ClipSegmentToView(x1, y1, x2, y2, visible);
  EXPECT_EQ(visible, 0);
  // A view of no width has pixels of no width: an upright line is still carried along y.
  View(1, 1, -5, 5, 100, 100);
  x1 = 1, y1 = 0, x2 = 1, y2 = 1;
  ExtendToViewBorder(x1, y1, x2, y2, 1);
  EXPECT_EQ(x1, 1);
  EXPECT_EQ(x2, 1);
  EXPECT_NEAR(static_cast<double>(y1), -5.1, 1e-9);
  EXPECT_NEAR(static_cast<double>(y2), 5.1, 1e-9);
}

TEST_F(Clip, RaysAndWholeLines) {
  gfx::RecordingCanvas c(100, 100);
  const auto pattern = DashPattern(1);
  // A ray from the origin through (1, 1) ends on the widened border; the whole line
  // runs across.
  DrawStyledSegment(c, 0x0000FF, 0, 0, pattern, 0, 0, 1, 1);
  DrawStyledSegment(c, 0x0000FF, 1, 0, pattern, 0, 0, 1, 1);
  // Horizontal and vertical through two points.
  DrawStyledSegment(c, 0x0000FF, 0, 0, pattern, 0, 1, -1, 1);
  DrawStyledSegment(c, 0x0000FF, 1, 0, pattern, 2, 0, 2, 3);
  DrawStyledSegment(c, 0x0000FF, 1, 0, pattern, 2, 2, 2, 2);  // one point: nothing
  const auto lines = c.OpsOf(gfx::OpKind::Polyline);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].points, (std::vector<gfx::Point>{{50, 50}, {101, -1}}));
  EXPECT_EQ(lines[1].points, (std::vector<gfx::Point>{{-1, 101}, {101, -1}}));
  EXPECT_EQ(lines[2].points, (std::vector<gfx::Point>{{50, 40}, {-1, 40}}));
  EXPECT_EQ(lines[3].points, (std::vector<gfx::Point>{{70, 101}, {70, -1}}));
  EXPECT_EQ(lines[0].pen.color, 0x0000FFu);
  // The end pixel is set too.
  EXPECT_EQ(c.OpsOf(gfx::OpKind::SetPixel).size(), 4u);
}

TEST_F(Clip, InfiniteLines) {
  gfx::RecordingCanvas c(100, 100);
  DrawInfiniteLine(c, 0, 1, 0, -2);   // x = 2
  DrawInfiniteLine(c, 0, 0, 2, -4);   // y = 2
  DrawInfiniteLine(c, 0, 1, -1, 0);   // y = x
  DrawInfiniteLine(c, 0, 0, 0, 1);    // no line
  const auto lines = c.OpsOf(gfx::OpKind::Polyline);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].points, (std::vector<gfx::Point>{{70, 100}, {70, 0}}));
  EXPECT_EQ(lines[1].points, (std::vector<gfx::Point>{{0, 30}, {100, 30}}));
  EXPECT_EQ(lines[2].points, (std::vector<gfx::Point>{{0, 100}, {100, 0}}));
  eng.LineContinues = 1;
  DrawLineThroughPoint(c, 0x00FF00, 2, 0, 1, 0);
  EXPECT_EQ(eng.LineContinues, 0);
  EXPECT_EQ(c.OpsOf(gfx::OpKind::Polyline).back().pen.width, 2);
}

TEST_F(Clip, DashedSegmentsAndDragTimeDots) {
  gfx::RecordingCanvas c(100, 100);
  c.pen.color = 0x0000FF;
  DrawWorldSegment(c, 1, DashPattern(1), -5, 0, 5, 0);
  // Dashes of 6 and gaps of 3 pixels across 100 pixels: 12 dashes.
  EXPECT_EQ(c.OpsOf(gfx::OpKind::StrokePath).size(), 12u);
  c.Clear();
  modes.SnapMode = 1;
  DrawWorldSegment(c, 1, DashPattern(1), -5, 0, 5, 0);
  ASSERT_EQ(c.OpsOf(gfx::OpKind::Polyline).size(), 1u);
  const gfx::Pen dots = c.OpsOf(gfx::OpKind::Polyline)[0].pen;
  EXPECT_EQ(dots.style, gfx::PenStyle::Dot);
  EXPECT_EQ(dots.color, 0x808080u);
  EXPECT_EQ(c.pen.color, 0x0000FFu);  // the canvas pen is given back
}

TEST_F(Clip, WorldLinesWhileTheEvaluatorReportsAJump) {
  gfx::RecordingCanvas c(100, 100);
  eng.LineContinues = 1;
  DrawWorldLine(c, 0, 0, 0, 1, 1);  // only the end point
  ASSERT_EQ(c.Ops().size(), 1u);
  EXPECT_EQ(c.Ops()[0].points, (std::vector<gfx::Point>{{60, 40}, {60, 41}}));
  EXPECT_EQ(eng.LineContinues, 0);
  c.Clear();
  eng.LineContinues = 1;
  c.pen.width = 3;
  DrawWorldLine(c, 3, 0, 0, 1, 1);  // a light grey line
  EXPECT_EQ(c.OpsOf(gfx::OpKind::Polyline)[0].pen.color, 0xC0C0C0u);
  EXPECT_EQ(c.pen.width, 3);
  c.Clear();
  eng.LineContinues = 1;
  DrawWorldLine(c, 4, 0, 0, 1, 1);  // mode 4 forgets the jump
  EXPECT_EQ(c.OpsOf(gfx::OpKind::Polyline).size(), 1u);
  c.Clear();
  PlotWorldPoint(c, 5.2L, 0);  // outside the margin
  EXPECT_TRUE(c.Ops().empty());
}

}  // namespace
