#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <numbers>

#include "platform/Sjis.h"

#include "render/AxesFixture.h"

namespace {

using gfx::OpKind;

std::vector<std::string> Sorted(std::vector<std::string> v) {
  std::sort(v.begin(), v.end());
  return v;
}

TEST_F(AxesTest, GridLinesByKindStrictlyInsideTheView) {
  doc.GridSettings.kind = 0;
  Draw(1);
  EXPECT_TRUE(Lines().empty());

  doc.GridSettings.kind = 1;
  Draw(1);
  std::vector<int> xs, ys;
  for (const auto& op : Lines()) {
    if (Vertical(op)) {
      xs.push_back(op.points[0].x);
      EXPECT_EQ(op.points[0].y, 500);  // from YMin up to YMax
      EXPECT_EQ(op.points[1].y, 0);
    } else {
      ASSERT_TRUE(Horizontal(op));
      ys.push_back(op.points[0].y);
    }
    EXPECT_EQ(op.pen.color, 0xC0C0C0u);
    EXPECT_EQ(op.pen.width, 1);
  }
  EXPECT_EQ(xs, (std::vector<int>{50, 100, 150, 200, 250, 300, 350, 400, 450}));
  EXPECT_EQ(ys, (std::vector<int>{450, 400, 350, 300, 250, 200, 150, 100, 50}));

  // The dense grid adds the half steps; the dashed one strokes dashes instead.
  c.Clear();
  doc.GridSettings.kind = 2;
  Draw(1);
  EXPECT_EQ(Lines().size(), 38u);
  c.Clear();
  doc.GridSettings.dashed = 1;
  Draw(1);
  EXPECT_TRUE(Lines().empty());
  EXPECT_FALSE(c.OpsOf(OpKind::StrokePath).empty());
}

TEST_F(AxesTest, DefaultViewNumbersNamesAndOrigin) {
  Draw(2);
  EXPECT_EQ(Sorted(TextStrings()), Sorted({"-4", "-3", "-2", "-1", "1", "2", "3", "4",  // x
                                           "-4", "-3", "-2", "-1", "1", "2", "3", "4",  // y
                                           "O", "x", "y"}));
  for (const WrittenText& t : Texts()) {
    if (t.text == "1" && t.box.top > 250) {
      // x numbers end at their tick, below the axis.
      EXPECT_EQ(t.box.right, 300);
      EXPECT_EQ(t.box.top, 258);
    }
    if (t.text == "-1" && t.box.top > 300) {
      // y numbers right-aligned left of the axis (with room for an "x"), below their tick.
      EXPECT_EQ(t.box.left, 226);
      EXPECT_EQ(t.box.top, 304);
    }
    if (t.text == "O") {
      EXPECT_EQ(t.box.left, 237);
    }
  }
  // Both axes with their notched arrowheads, and 11 ticks on each.
  int axes = 0, ticks = 0;
  for (const auto& op : Lines()) {
    const int length = std::abs(op.points[1].x - op.points[0].x) + std::abs(op.points[1].y - op.points[0].y);
    if (length == 500) ++axes;
    if (length == 8) ++ticks;
  }
  EXPECT_EQ(axes, 2);
  EXPECT_EQ(ticks, 22);
  const auto heads = c.OpsOf(OpKind::Polygon);
  ASSERT_EQ(heads.size(), 2u);
  EXPECT_EQ(heads[0].points.size(), 4u);
  EXPECT_EQ(heads[0].points[0], (gfx::Point{500, 250}));
  EXPECT_EQ(heads[1].points[0], (gfx::Point{250, 0}));
}

TEST_F(AxesTest, NumberPositionsCentredAndRightOfTheAxis) {
  doc.AxisNumberPosition = 2;
  Draw(2);
  bool sawX = false, sawY = false;
  for (const WrittenText& t : Texts()) {
    if (t.text == "2" && t.box.top > 250) {
      EXPECT_EQ(t.box.left, 350 - 4);  // centred under the tick
      sawX = true;
    }
    if (t.text == "2" && t.box.top < 250) {
      EXPECT_EQ(t.box.left, 250 + 3 + 6);
      EXPECT_EQ(t.box.top, 150 - 8);
      sawY = true;
    }
  }
  EXPECT_TRUE(sawX && sawY);
}

TEST_F(AxesTest, CrowdedNumbersNeverOverlapNorCoverTheOrigin) {
  settings.XTickDensity = -2;
  settings.YTickDensity = -2;
  View(-0.37L, 0.63L, -0.41L, 0.59L, 500, 500);
  Draw(2);
  const auto texts = Texts();
  const auto origin = std::find_if(texts.begin(), texts.end(), [](const WrittenText& t) { return t.text == "O"; });
  ASSERT_NE(origin, texts.end());
  int xNumbers = 0;
  std::vector<gfx::Rect> boxes;
  for (const WrittenText& t : texts) {
    if (t.text == "O" || t.text == "x" || t.text == "y") continue;
    boxes.push_back(t.box);
    EXPECT_GE(t.box.left, 1) << t.text;
    const gfx::Rect& o = origin->box;
    EXPECT_FALSE(t.box.left < o.right && o.left < t.box.right && t.box.top < o.bottom && o.top < t.box.bottom)
        << t.text;
    if (t.box.top > WorldToScreenY(0)) ++xNumbers;
  }
  EXPECT_GE(xNumbers, 3);
  for (size_t i = 0; i < boxes.size(); ++i)
    for (size_t j = i + 1; j < boxes.size(); ++j) {
      const gfx::Rect &a = boxes[i], &b = boxes[j];
      EXPECT_FALSE(a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom);
    }
}

TEST_F(AxesTest, ViewAboveZeroHasNoXAxisLineButTicksAndNumbersAtItsBottom) {
  View(-5, 5, 1, 11, 500, 500);
  Draw(2);
  const auto heads = c.OpsOf(OpKind::Polygon);
  ASSERT_EQ(heads.size(), 1u);  // the y axis only
  EXPECT_EQ(heads[0].points[0], (gfx::Point{250, 0}));
  int xTicks = 0;
  for (const auto& op : Lines()) {
    EXPECT_FALSE(Horizontal(op) && std::abs(op.points[1].x - op.points[0].x) > 100);
    if (Vertical(op) && std::max(op.points[0].y, op.points[1].y) == 501) ++xTicks;
  }
  EXPECT_EQ(xTicks, 11);
  int xNumbers = 0;
  for (const WrittenText& t : Texts())
    if (t.box.top == 500 - 16 - 3) ++xNumbers;
  EXPECT_EQ(xNumbers, 8);  // above the axis, which runs along the bottom edge
}

TEST_F(AxesTest, HiddenTicksLeaveOnlyTheOriginLabelAndTheNames) {
  doc.AxisTicksShown = 0;
  Draw(2);
  EXPECT_EQ(Sorted(TextStrings()), Sorted({"O", "x", "y"}));
  for (const auto& op : Lines())
    EXPECT_EQ(std::abs(op.points[1].x - op.points[0].x) + std::abs(op.points[1].y - op.points[0].y), 500);
}

TEST_F(AxesTest, AxesWithoutArrowheadsAndHiddenAxes) {
  settings.AxisWidthMode = 2;
  Draw(2);
  EXPECT_TRUE(c.OpsOf(OpKind::Polygon).empty());
  EXPECT_EQ(Lines().size(), 2u + 22u);

  c.Clear();
  settings.AxisWidthMode = 0;
  doc.XAxisShown = 0;
  Draw(2);
  const auto heads = c.OpsOf(OpKind::Polygon);
  ASSERT_EQ(heads.size(), 1u);
  EXPECT_EQ(heads[0].points.size(), 3u);  // a plain triangle
  for (const WrittenText& t : Texts()) EXPECT_NE(t.text, "x");
}

TEST_F(AxesTest, AxisColoursAndWidths) {
  doc.XAxisColor = 0x0000FF;
  doc.YAxisColor = 0xFF0000;
  doc.AxisWidth = 2;
  Draw(2);
  for (const auto& op : Lines()) {
    const bool axis = std::abs(op.points[1].x - op.points[0].x) + std::abs(op.points[1].y - op.points[0].y) == 500;
    const bool onX = axis ? Horizontal(op) : Vertical(op);  // x ticks stand upright
    EXPECT_EQ(op.pen.color, onX ? 0x0000FFu : 0xFF0000u);
    EXPECT_EQ(op.pen.width, axis ? 2 : 1);  // ticks stay thin
  }
}

TEST_F(AxesTest, PrintScaleSurvivesWhilePrinting) {
  settings.PrintScale = 3;
  settings.Printing = 1;
  Draw();
  EXPECT_EQ(settings.PrintScale, 3.0f);
  settings.Printing = 0;
  Draw();
  EXPECT_EQ(settings.PrintScale, 1.0f);
}

TEST_F(AxesTest, MetafileDrawingLeavesTheBitmapAlone) {
  gfx::RecordingCanvas metafile(500, 500);
  settings.DrawToMetafile = 1;
  settings.MetafileCanvas = &metafile;
  Draw();
  settings.DrawToMetafile = 0;
  settings.MetafileCanvas = nullptr;
  EXPECT_TRUE(c.Ops().empty());
  EXPECT_FALSE(metafile.OpsOf(OpKind::Polyline).empty());
  EXPECT_FALSE(metafile.OpsOf(OpKind::Text).empty());
}

TEST_F(AxesTest, SpaceModeDrawsNothing) {
  doc.Dimension = 3;
  Draw();
  EXPECT_TRUE(c.Ops().empty());
}

TEST_F(AxesTest, DegenerateViewsDrawLittleOrNothingAndReturn) {
  const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
  const Extended inf = std::numeric_limits<Extended>::infinity();
  const TViewRange views[] = {
      {1, 1, -5, 5},         {0, 1e-300L, -5, 5},     {-1e300L, 1e300L, -5, 5}, {nan, 5, -5, 5},
      {5, -5, -5, 5},        {-inf, inf, -5, 5},      {-1e30L, 1e30L, -1e30L, 1e30L},
      {1e20L, 1e20L + 1, -5, 5}, {-5, 5, -1e-300L, 1e-300L},
  };
  for (std::uint8_t cs = 0; cs <= 4; ++cs) {
    for (const TViewRange& v : views) {
      c.Clear();
      doc.CoordinateSystem = cs;
      doc.ViewRange = v;
      Draw();
      EXPECT_LT(c.Ops().size(), 200u) << "system " << int(cs) << " view " << v.XMin << ".." << v.XMax;
    }
  }
  // A huge view still shows its axes, only without ticks.
  c.Clear();
  doc.CoordinateSystem = 0;
  doc.ViewRange = TViewRange{-1e30L, 1e30L, -1e30L, 1e30L};
  Draw();
  EXPECT_EQ(c.OpsOf(OpKind::Polygon).size(), 2u);
}

}  // namespace

namespace {

TEST_F(AxesTest, PiUnitsNumberEverySecondTickAtMultiplesOfHalfPi) {
  doc.XAxisUnit = 2;
  doc.AxisNumberPosition = 1;
  Draw(2);
  const Extended halfPi = std::numbers::pi_v<Extended> / 2;
  std::vector<std::string> numbers;
  for (const WrittenText& t : Texts()) {
    // The row of x numbers (a leading "π" is a Gothic character, set a little lower).
    if (t.box.top < 258 || t.box.top > 261) continue;
    numbers.push_back(t.text);
    // Centred on a multiple of π/2.
    const int centre = (t.box.left + t.box.right) / 2;
    bool onMultiple = false;
    for (int m = -3; m <= 3; ++m) onMultiple |= std::abs(centre - WorldToScreenX(m * halfPi)) <= 1;
    EXPECT_TRUE(onMultiple) << t.text;
  }
  EXPECT_EQ(numbers, (std::vector<std::string>{sj("-π"), sj("-π/2"), sj("π/2"), sj("π")}));
  // 3π/2 would reach into the room kept for the axis name.
}

}  // namespace
