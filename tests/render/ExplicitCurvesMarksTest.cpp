#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "render/ExplicitCurvesFixture.h"

namespace {

using gfx::OpKind;
using gfx::RecordingCanvas;

struct Mark {
  double x, y;
};

std::vector<gfx::RecordedOp> MarksOf(const std::string& text, const Tfuncprop& style, RecordingCanvas& c) {
  Tfuncprop e = style;
  e.texts[0] = text;
  DrawExplicitFunction(c, e, 0, doc.ViewRange.XMin, doc.ViewRange.XMax);
  return c.OpsOf(OpKind::Ellipse);
}

TEST_F(CurveTest, AnEquationFactorMarksItsSolutions) {
  const double pi = std::numbers::pi;
  struct Row {
    const char* formula;
    std::vector<Mark> marks;  // world points
  } rows[] = {
      {"x*(x^2=1)", {{-1, -1}, {1, 1}}},
      {"x^2=1", {{-1, 1}, {1, 1}}},
      {"x^3-x=0", {{-1, 1}, {0, 1}, {1, 1}}},
      {"(x-1)^2=0", {{1, 1}}},
      {"(sin(x)+2)*(sin(x)=0)", {{-pi, 2}, {0, 2}, {pi, 2}}},
      // The poles of tan change its sign too; they are no solutions.
      {"(x/2)*(tan(x)=0)", {{-pi, -pi / 2}, {0, 0}, {pi, pi / 2}}},
      {"x^2+1=0", {}},
      {"x=x+1", {}},
  };
  for (const Row& r : rows) {
    RecordingCanvas c;
    const auto ops = MarksOf(r.formula, Entry(""), c);
    EXPECT_TRUE(c.OpsOf(OpKind::Polyline).empty()) << r.formula;
    ASSERT_EQ(ops.size(), r.marks.size()) << r.formula;
    for (size_t i = 0; i < ops.size(); ++i) {
      const gfx::Rect& box = ops[i].rect;
      EXPECT_NEAR((box.left + box.right) / 2.0, WorldToScreenX(r.marks[i].x), 1) << r.formula << " " << i;
      EXPECT_NEAR((box.top + box.bottom) / 2.0, WorldToScreenY(r.marks[i].y), 1) << r.formula << " " << i;
    }
  }
}

TEST_F(CurveTest, SolutionMarksTakeTheEntrysStyle) {
  Tfuncprop e = Entry("");
  e.color = 0x0000FF;
  e.penWidth = 3;
  e.option64 = 1;
  RecordingCanvas filled;
  auto ops = MarksOf("x=2", e, filled);
  ASSERT_EQ(ops.size(), 1u);
  EXPECT_EQ(ops[0].rect.right - ops[0].rect.left, 10);  // radius pen width + 2
  EXPECT_EQ(ops[0].brush.style, gfx::BrushStyle::Solid);
  EXPECT_EQ(ops[0].brush.color, 0x0000FFu);
  EXPECT_EQ(ops[0].pen.color, 0x0000FFu);

  e.option64 = 0;
  RecordingCanvas hollow;
  ops = MarksOf("x=2", e, hollow);
  ASSERT_EQ(ops.size(), 1u);
  EXPECT_EQ(ops[0].brush.style, gfx::BrushStyle::Clear);

  // Pale after-images pale the marks once, like the curves.
  settings.AfterImagePale = 1;
  settings.AfterImageColorMode = 1;
  RecordingCanvas pale;
  ops = MarksOf("x=2", e, pale);
  ASSERT_EQ(ops.size(), 1u);
  EXPECT_EQ(ops[0].pen.color, OutputColor(0x0000FF));
}

TEST_F(CurveTest, OnLogarithmicAxesEquationsAreNotMarked) {
  doc.CoordinateSystem = 4;
  View(-1, 1, -5, 5, 500, 500);
  RecordingCanvas c;
  MarksOf("x*(x^2=1)", Entry(""), c);
  EXPECT_TRUE(c.OpsOf(OpKind::Ellipse).empty());
}

}  // namespace
