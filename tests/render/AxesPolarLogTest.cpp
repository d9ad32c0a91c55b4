#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "render/AxesFixture.h"

namespace {

using gfx::OpKind;

TEST_F(AxesTest, PolarCirclesRaysAndRadiusNumbers) {
  doc.CoordinateSystem = 1;
  Draw(1);
  // Circles to XMax * 1.4142 (the corners), 30° rays through the origin.
  const auto circles = c.OpsOf(OpKind::Ellipse);
  ASSERT_EQ(circles.size(), 7u);
  EXPECT_EQ(circles[0].rect, (gfx::Rect{200, 200, 300, 300}));
  EXPECT_EQ(circles[6].rect, (gfx::Rect{-100, -100, 600, 600}));
  EXPECT_EQ(circles[0].pen.color, 0xC0C0C0u);
  // The twelve rays, and the arrow that both passes draw.
  const auto rays = Lines();
  EXPECT_EQ(rays.size(), 12u + 1u);
  for (const auto& op : rays) {
    // Every one passes through the centre.
    const gfx::Point a = op.points[0], b = op.points[1];
    const long cross = static_cast<long>(b.x - a.x) * (250 - a.y) - static_cast<long>(b.y - a.y) * (250 - a.x);
    EXPECT_LE(std::abs(cross), 2 * std::max(std::abs(b.x - a.x), std::abs(b.y - a.y)));
  }

  // The numbers run to the last full step short of XMax, in both passes.
  c.Clear();
  Draw(2);
  EXPECT_TRUE(c.OpsOf(OpKind::Ellipse).empty());
  std::vector<std::string> texts = TextStrings();
  EXPECT_EQ(texts, (std::vector<std::string>{"1", "2", "3", "4", "r"}));
  const auto heads = c.OpsOf(OpKind::Polygon);
  ASSERT_EQ(heads.size(), 1u);
  EXPECT_EQ(heads[0].points[0], (gfx::Point{500, 250}));
  EXPECT_EQ(heads[0].pen.color, gfx::kBlack);

  c.Clear();
  settings.AxisWidthMode = 2;
  Draw(2);
  EXPECT_TRUE(c.OpsOf(OpKind::Polygon).empty());
  EXPECT_TRUE(Lines().empty());
}

TEST_F(AxesTest, PolarWithTheViewLeftOfTheOriginHasNoCircles) {
  doc.CoordinateSystem = 1;
  View(-9, -1, -4, 4, 500, 500);
  Draw();
  EXPECT_TRUE(c.OpsOf(OpKind::Ellipse).empty());
}

TEST_F(AxesTest, LogLogDecadeLinesAndPowerLabels) {
  doc.CoordinateSystem = 3;
  View(-1.2L, 2, -1, 2, 500, 500);
  Draw(1);
  std::vector<int> xs;
  int horizontal = 0;
  for (const auto& op : Lines()) {
    if (Vertical(op))
      xs.push_back(op.points[0].x);
    else
      ++horizontal;
  }
  std::vector<int> expected;
  for (int decade = -2; decade <= 1; ++decade)
    for (int k = 1; k <= 9; ++k) {
      const Extended at = decade + std::log10(static_cast<Extended>(k));
      if (at > -1.2L) expected.push_back(WorldToScreenX(at));
    }
  EXPECT_EQ(xs, expected);
  EXPECT_EQ(horizontal, 8 + 9 + 9);  // y = -1 lies on the bottom edge

  c.Clear();
  Draw(2);
  // "10" at the full height with the exponent right after it at three quarters.
  std::vector<std::string> exponents;
  std::vector<int> bases;
  int nextX = 0;
  for (const auto& op : c.OpsOf(OpKind::Text)) {
    if (op.font.height == -12) {
      if (exponents.empty() || op.points[0].x != nextX) exponents.emplace_back();
      exponents.back() += op.text;
      nextX = op.points[0].x + 6;
    } else {
      ASSERT_EQ(op.font.height, -16);
      if (op.text == "1") bases.push_back(op.points[0].x);
    }
  }
  // x axis: -1, 0, 1 (10^2 would stick out on the right); y axis: 0, 1.
  EXPECT_EQ(exponents, (std::vector<std::string>{"-1", "0", "1", "0", "1"}));
  ASSERT_EQ(bases.size(), 5u);
  EXPECT_EQ(bases[3], 0);  // y labels at the left edge
}

TEST_F(AxesTest, SemiLogAxesNumberTheirLinearSideInDecimals) {
  doc.CoordinateSystem = 2;  // y logarithmic
  View(-1, 9, -2, 3, 500, 500);
  Draw(2);
  std::vector<std::string> texts;
  for (const WrittenText& t : Texts())
    if (t.height == -16 && t.box.top > 450) texts.push_back(t.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"0", "1", "2", "3", "4", "5", "6", "7", "8"}));

  c.Clear();
  doc.CoordinateSystem = 4;  // x logarithmic
  View(-2, 2, -5, 5, 500, 500);
  Draw(2);
  std::vector<std::string> left;
  for (const WrittenText& t : Texts())
    if (t.box.left == 0) left.push_back(t.text);
  // Non-negative values get a leading blank; -5 and 5 would touch the edges.
  EXPECT_EQ(left, (std::vector<std::string>{"-4", "-3", "-2", "-1", " 0", " 1", " 2", " 3", " 4"}));
}

TEST_F(AxesTest, LogGridFollowsTheGridSetting) {
  doc.CoordinateSystem = 3;
  doc.GridSettings.kind = 0;
  Draw(1);
  EXPECT_TRUE(Lines().empty());
  doc.GridSettings.kind = 1;
  doc.GridSettings.dashed = 1;
  Draw(1);
  EXPECT_TRUE(Lines().empty());
  EXPECT_FALSE(c.OpsOf(OpKind::StrokePath).empty());
}

}  // namespace
