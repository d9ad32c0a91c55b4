#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/RecordingCanvas.h"
#include "platform/Sjis.h"
#include "render/MarkupDraw.h"
#include "render/MarkupLayout.h"
#include "render/MathLabel.h"
#include "render/ToolkitFixture.h"

namespace {

using gfx::OpKind;
using gfx::Point;
using Segments = std::vector<std::pair<Point, Point>>;

class MarkupDraw : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    c.pen.color = 0x0000FF;
  }
  // Laid out from (0, 0) at height h and drawn.
  void Draw(const std::string& text, int h) {
    c.font.height = h;
    int x = 0, fontHeight = 0;
    MarkupTree tree = LayoutMathLabel(c, x, 0, 0, 0, text, fontHeight, 0);
    c.Clear();
    DrawLabelTree(c, tree.get(), 0, 0);
  }
  // The lines drawn, as their two ends.
  Segments Lines() const {
    Segments lines;
    for (const gfx::RecordedOp& op : c.OpsOf(OpKind::Polyline)) {
      EXPECT_EQ(op.pen.color, 0x0000FFu);
      lines.emplace_back(op.points.front(), op.points.back());
    }
    return lines;
  }
  int LineWidth() const { return c.OpsOf(OpKind::Polyline).at(0).pen.width; }
  gfx::RecordingCanvas c;
};

TEST_F(MarkupDraw, FractionBarUnderTheNumeratorWithWidthFromTheHeight) {
  Draw("\\frac{1}{22}", -20);  // 44 high: lines 2 wide; moved down by 12 to start at 0
  const auto texts = c.OpsOf(OpKind::Text);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].points[0], (Point{5, 0}));
  EXPECT_EQ(texts[1].points[0], (Point{0, 24}));
  EXPECT_EQ(Lines(), (Segments{{{20, 24}, {-2, 24}}}));
  EXPECT_EQ(LineWidth(), 2);
}

TEST_F(MarkupDraw, RadicalStrokes) {
  Draw("\\sqrt{x}", -48);  // s = 2; the contents start 38 to the right
  EXPECT_EQ(c.OpsOf(OpKind::Text).at(0).points[0], (Point{38, 0}));
  EXPECT_EQ(Lines(), (Segments{{{0, 30}, {6, 24}}, {{6, 24}, {14, 44}}, {{14, 44}, {28, 6}}, {{28, 6}, {62, 6}}}));
  EXPECT_EQ(LineWidth(), 2);
}

TEST_F(MarkupDraw, SmallVectorArrowStillPointsRight) {
  Draw("\\vec{a}", -8);  // 11 high: the line width rounds to 0 and is kept at 1
  const auto heads = c.OpsOf(OpKind::Polygon);
  ASSERT_EQ(heads.size(), 1u);
  EXPECT_EQ(heads[0].points, (std::vector<Point>{{5, 1}, {2, 0}, {2, 2}}));
  EXPECT_EQ(heads[0].pen.width, 1);
  EXPECT_EQ(heads[0].brush.color, 0x0000FFu);
  EXPECT_EQ(heads[0].brush.style, gfx::BrushStyle::Solid);
  EXPECT_EQ(Lines(), (Segments{{{4, 1}, {1, 1}}}));
  EXPECT_EQ(LineWidth(), 1);
  // The text after it has a clear brush again.
  EXPECT_EQ(c.OpsOf(OpKind::Text).at(0).brush.style, gfx::BrushStyle::Clear);
}

TEST_F(MarkupDraw, OverAndUnderlinesSpanTheContents) {
  Draw("\\ovl{AB}", -20);
  EXPECT_EQ(Lines(), (Segments{{{19, 0}, {1, 0}}}));
  Draw("\\udl{AB}", -20);
  EXPECT_EQ(Lines(), (Segments{{{19, 24}, {1, 24}}}));
  Draw("\\ovl{x_1}", -20);
  EXPECT_EQ(Lines(), (Segments{{{17, 0}, {1, 0}}}));
}

TEST_F(MarkupDraw, TextsAtTheirHeightsThroughTheFontMixAndTheCanvasGivenBack) {
  c.font.name = "Arial";
  Draw("x^2", -20);
  const auto texts = c.OpsOf(OpKind::Text);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].points[0], (Point{0, 0}));
  EXPECT_EQ(texts[0].font.height, -20);
  EXPECT_EQ(texts[0].font.name, "times new roman");
  EXPECT_EQ(texts[1].points[0], (Point{7, 0}));
  EXPECT_EQ(texts[1].font.height, -12);
  EXPECT_EQ(c.font.height, -20);
  EXPECT_EQ(c.font.name, "Arial");
  EXPECT_EQ(c.brush.style, gfx::BrushStyle::Solid);
}

TEST_F(MarkupDraw, BoxedLabelNeverStartsAboveThePictureAndSitsOnAWhiteBox) {
  c.font.height = -20;
  c.brush = gfx::Brush{0x00FF00, gfx::BrushStyle::Solid};
  int x = 0, fontHeight = 0;
  DrawMathLabelBoxed(c, x, 0, 0, 0, "\\frac{1}{2}", fontHeight);
  const auto boxes = c.OpsOf(OpKind::Rectangle);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].rect, (gfx::Rect{0, 0, 14, 22}));
  EXPECT_EQ(boxes[0].pen.color, gfx::kWhite);
  EXPECT_EQ(boxes[0].brush.color, gfx::kWhite);
  EXPECT_EQ(c.OpsOf(OpKind::Text).at(0).points[0].y, 1);
  EXPECT_EQ(c.pen.color, 0x0000FFu);
  EXPECT_EQ(c.brush.style, gfx::BrushStyle::Clear);
  EXPECT_EQ(x, 14);
  // A label lower down stays where it is; nothing at all for an empty text.
  c.Clear();
  x = 0;
  DrawMathLabelBoxed(c, x, 40, 0, 0, "\\frac{1}{2}", fontHeight);
  EXPECT_EQ(c.OpsOf(OpKind::Text).at(0).points[0].y, 28);
  c.Clear();
  DrawMathLabelBoxed(c, x, 40, 0, 0, "", fontHeight);
  EXPECT_TRUE(c.Ops().empty());
}

}  // namespace
