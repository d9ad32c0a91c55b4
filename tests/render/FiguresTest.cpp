#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "formula/ConstructedPoints.h"
#include "formula/ConstructionOperands.h"
#include "formula/Evaluator.h"
#include "platform/RasterCanvas.h"
#include "render/ConicEllipse.h"
#include "render/FigureFixture.h"
#include "render/Figures.h"
#include "render/PointPolygon.h"

namespace {

using gfx::OpKind;
using gfx::Point;
using Pts = std::vector<Point>;

class FigureTest : public FigureFixture {
 protected:
  Tfuncprop& Figure(int type, std::initializer_list<std::string> texts, char letter = 0, char letter2 = 0) {
    build.Figure(type, texts, letter, letter2);
    return doc.FigureTable[doc.EntryCount];
  }
  // A(-2, -2), B(2, -2), C(0, 2), D(2, 2): pixels (150, 350), (350, 350), (250, 150), (350, 150).
  void Points() {
    build.At('A', "-2", "-2");
    build.At('B', "2", "-2");
    build.At('C', "0", "2");
    build.At('D', "2", "2");
  }
  void Draw(const Tfuncprop& e) {
    c.Clear();
    DrawFigureEntry(c, e);
  }
  // The kinds of the operations drawn, pixels of line ends left out.
  std::vector<OpKind> Kinds() const {
    std::vector<OpKind> kinds;
    for (const gfx::RecordedOp& op : c.Ops())
      if (op.kind != OpKind::SetPixel) kinds.push_back(op.kind);
    return kinds;
  }
};

TEST_F(FigureTest, EachTypeDrawsItsPrimitive) {
  using K = OpKind;
  struct Row {
    int type;
    std::initializer_list<std::string> texts;
    char letter, letter2;
    std::vector<K> solid, dashed;
  } rows[] = {
      {1, {"A", "1", "1"}, 'A', 0, {K::Polyline}, {K::StrokePath}},
      {2, {"A", "B"}, 'A', 'B', {K::Polyline}, {K::StrokePath}},
      {3, {"A", "B"}, 'A', 'B', {K::Polyline}, {K::StrokePath}},
      {4, {"A", "B"}, 'A', 'B', {K::Polyline, K::Polygon}, {K::StrokePath, K::Polygon}},
      {5, {"A", "C"}, 'A', 'C', {K::Polyline}, {K::StrokePath}},
      {6, {"ABC"}, 0, 0, {K::Polyline}, {K::StrokePath}},
      {7, {"ABC"}, 0, 0, {K::Polygon}, {K::FillPath, K::StrokePath}},
      {8, {"A", "1"}, 'A', 0, {K::Ellipse}, {K::StrokePath}},
      {9, {"A", "B"}, 'A', 'B', {K::Arc}, {K::StrokePath}},
      {10, {"ABCD"}, 0, 0, {K::PolyBezier}, {K::StrokePath}},
      {11, {"A", "C", "pi/2"}, 'A', 'C', {K::Arc}, {K::StrokePath}},
      {11, {"A", "C", "7"}, 'A', 'C', {K::Ellipse}, {K::StrokePath}},  // beyond a turn: the circle
      {12, {"BAC"}, 0, 0, {K::Arc}, {K::Arc}},                       // drawn solid always
  };
  std::vector<int> entries;
  for (const Row& r : rows) {
    Figure(r.type, r.texts, r.letter, r.letter2);
    entries.push_back(doc.EntryCount);
  }
  Points();
  for (size_t i = 0; i < entries.size(); ++i) {
    Tfuncprop e = doc.FigureTable[entries[i]];
    Draw(e);
    EXPECT_EQ(Kinds(), rows[i].solid) << "type " << rows[i].type;
    e.dashed = 1;
    Draw(e);
    std::vector<K> kinds = Kinds();
    // Dashes are strokes one by one; their count does not matter here.
    kinds.erase(std::unique(kinds.begin(), kinds.end()), kinds.end());
    EXPECT_EQ(kinds, rows[i].dashed) << "dashed type " << rows[i].type;
    // On paper everything goes to the print picture.
    gfx::RecordingCanvas paper(500, 500);
    settings.MetafileCanvas = &paper;
    settings.DrawToMetafile = 1;
    e.dashed = 0;
    Draw(e);
    settings.DrawToMetafile = 0;
    settings.MetafileCanvas = nullptr;
    EXPECT_TRUE(c.Ops().empty()) << "type " << rows[i].type;
    EXPECT_FALSE(paper.Ops().empty()) << "type " << rows[i].type;
  }
}

TEST_F(FigureTest, TwoPointFiguresNeedTwoDistinctValidPoints) {
  const Tfuncprop same = Figure(2, {"A", "A"}, 'A', 'A');
  const Tfuncprop missing = Figure(3, {"A", "Z"}, 'A', 'Z');
  const Tfuncprop invalid = Figure(5, {"A", "E"}, 'A', 'E');
  Points();
  build.Point('E', kLineIntersection, {"AB", "CD"});  // parallel lines
  for (const Tfuncprop& e : {same, missing, invalid}) {
    Draw(e);
    EXPECT_TRUE(c.Ops().empty()) << e.texts[1];
  }
}

TEST_F(FigureTest, WholeLinesRaysAndDirections) {
  const Tfuncprop line = Figure(2, {"A", "B"}, 'A', 'B');
  const Tfuncprop ray = Figure(5, {"C", "D"}, 'C', 'D');
  const Tfuncprop upright = Figure(1, {"A", "0.0000001", "1"}, 'A');  // snapped to vertical
  Points();
  Draw(line);
  EXPECT_EQ(c.OpsOf(OpKind::Polyline).front().points, (Pts{{-1, 350}, {501, 350}}));
  Draw(ray);
  EXPECT_EQ(c.OpsOf(OpKind::Polyline).front().points, (Pts{{250, 150}, {501, 150}}));
  Draw(upright);
  const Pts vertical = c.OpsOf(OpKind::Polyline).front().points;
  EXPECT_EQ(vertical[0].x, 150);
  EXPECT_EQ(vertical[1].x, 150);
  EXPECT_EQ(std::abs(vertical[1].y - vertical[0].y), 502);
}

TEST_F(FigureTest, MidpointMarks) {
  struct Row {
    const char* end;  // B's x: the segment runs from A(0, 0)
    std::uint8_t mark;
    size_t ticks, circles;
  } rows[] = {
      {"0.18", 2, 0, 0},  // 9 pixels: no mark
      {"0.2", 2, 1, 0},   // 10 pixels
      {"2", 3, 2, 0}, {"2", 4, 3, 0}, {"2", 5, 0, 1}, {"2", 1, 0, 0},
  };
  for (const Row& r : rows) {
    ResetProgramStateForTest();
    View(-5, 5, -5, 5, 500, 500);
    build = geometry_test::DocumentBuilder{};
    Tfuncprop e = Figure(3, {"A", "B"}, 'A', 'B');
    build.At('A', "0", "0");
    build.At('B', r.end, "0");
    e.option64 = r.mark;
    Draw(e);
    const auto lines = c.OpsOf(OpKind::Polyline);
    ASSERT_EQ(lines.size(), 1 + r.ticks) << r.end << " mark " << int(r.mark);
    for (size_t i = 1; i < lines.size(); ++i) {
      EXPECT_EQ(lines[i].pen.color, 0x0000FFu);  // red
      EXPECT_EQ(lines[i].points[0].x, lines[i].points[1].x);  // across the segment
      EXPECT_EQ(std::abs(lines[i].points[0].y - lines[i].points[1].y), 10);
    }
    EXPECT_EQ(c.OpsOf(OpKind::Ellipse).size(), r.circles);
  }
  modes.OutputColorMode = 1;
  Tfuncprop e = doc.FigureTable[1];
  e.option64 = 2;
  Draw(e);
  EXPECT_EQ(c.OpsOf(OpKind::Polyline).back().pen.color, gfx::kBlack);
}

TEST_F(FigureTest, RightAnglesAreMarkedWithTheSquare) {
  // A 3-4-5 triangle turned by 0.3: the right angle at O is no exact product of the
  // coordinates, but is recognised all the same.
  const Tfuncprop right = Figure(12, {"AOB", "15"});
  const Tfuncprop sixty = Figure(12, {"AOC", ""});
  Tfuncprop reflex = Figure(12, {"COA", "20"});
  build.At('O', "0", "0");
  build.At('A', "3cos(0.3)", "3sin(0.3)");
  build.At('B', "4cos(0.3+pi/2)", "4sin(0.3+pi/2)");
  build.At('C', "cos(0.3+pi/3)", "sin(0.3+pi/3)");
  Draw(right);
  ASSERT_EQ(Kinds(), (std::vector<OpKind>{OpKind::Polyline}));
  const Pts corner = c.Ops()[0].points;
  ASSERT_EQ(corner.size(), 3u);
  const int side = 11;  // round(15 sqrt(2) / 2)
  EXPECT_EQ(corner[0], (Point{250 + int(std::lround(side * std::cos(0.3))), 250 - int(std::lround(side * std::sin(0.3)))}));
  EXPECT_NEAR(std::hypot(corner[1].x - 250.0, corner[1].y - 250.0), side * std::sqrt(2.0), 1);

  Draw(sixty);
  ASSERT_EQ(Kinds(), (std::vector<OpKind>{OpKind::Arc}));
  EXPECT_EQ(c.Ops()[0].rect, (gfx::Rect{235, 235, 265, 265}));  // never below 15 pixels
  const Pts radials = c.Ops()[0].points;
  EXPECT_LT(radials[0].y, 250);  // from A (up right) ...
  EXPECT_LT(radials[1].y, radials[0].y);  // ... on to C, further round

  // From C counter-clockwise to A is 300 degrees; within 180 degrees the ends change.
  Draw(reflex);
  const Pts wide = c.Ops()[0].points;
  reflex.angleWithin180 = 1;
  Draw(reflex);
  EXPECT_EQ(c.Ops()[0].points, (Pts{wide[1], wide[0]}));
}

TEST_F(FigureTest, RightAnglesStaySquareInEveryView) {
  // The feet of the altitudes of A(3, 4), B(10, 4), C(5, 9): right angles constructed in
  // finite precision, in views whose two scales differ (a little, by the rounding that
  // keeps a window 1:1, or much, by a zoom of one axis).
  struct Row {
    Extended y0, y1;
    int w, h;
    std::uint8_t coordinates;
  } rows[] = {
      {1, 11, 500, 500, 0}, {1, 11.000001L, 700, 700, 0}, {3.5L, 8.5L, 500, 500, 0},
      {1, 11, 698, 652, 0}, {1, 11.000001L, 600, 600, 1},
  };
  const char* marks[] = {"ADB", "BEC", "CFA"};
  for (const char* m : marks) Figure(12, {m, ""});
  // A microradian off the right angle, and 45 degrees: arcs in every view.
  const char* arcs[] = {"BAG", "ABC"};
  for (const char* m : arcs) Figure(12, {m, ""});
  build.At('A', "3", "4");
  build.At('B', "10", "4");
  build.At('C', "5", "9");
  build.At('G', "3.000001", "5");
  build.Point('D', kFoot, {"A", "BC"});
  build.Point('E', kFoot, {"B", "CA"});
  build.Point('F', kFoot, {"C", "AB"});
  for (const Row& r : rows) {
    View(1, 11, r.y0, r.y1, r.w, r.h);
    doc.CoordinateSystem = r.coordinates;
    for (int k = 0; k < 3; ++k) {
      Draw(doc.FigureTable[k + 1]);
      const std::string row = std::string(marks[k]) + " at " + std::to_string(r.w) + "x" + std::to_string(r.h) +
                              ", y " + std::to_string(static_cast<double>(r.y0)) + ", axes " +
                              std::to_string(r.coordinates);
      const bool square =
          Kinds() == std::vector<OpKind>{OpKind::Polyline} && c.Ops()[0].points.size() == 3;
      EXPECT_TRUE(square) << row;
      if (!square) continue;
      const Pts corner = c.Ops()[0].points;
      // The square runs along the sides as they are drawn.
      TSpacePoint a, o, b;
      ASSERT_TRUE(FetchPoint(geometry_test::PointNumber(marks[k][0]), a));
      ASSERT_TRUE(FetchPoint(geometry_test::PointNumber(marks[k][1]), o));
      ASSERT_TRUE(FetchPoint(geometry_test::PointNumber(marks[k][2]), b));
      const double ox = WorldToPixelX(o.x), oy = WorldToPixelY(o.y);
      auto along = [&](Point p, const TSpacePoint& end) {
        const double ex = WorldToPixelX(end.x) - ox, ey = WorldToPixelY(end.y) - oy;
        const double px = p.x - std::lround(ox), py = p.y - std::lround(oy);
        return std::fabs(ex * py - ey * px) / (std::hypot(ex, ey) * std::hypot(px, py));
      };
      EXPECT_LT(along(corner[0], a), 0.07) << row;
      EXPECT_LT(along(corner[2], b), 0.07) << row;
      EXPECT_LE(std::abs(corner[0].x + corner[2].x - std::lround(ox) - corner[1].x), 1) << row;
      EXPECT_LE(std::abs(corner[0].y + corner[2].y - std::lround(oy) - corner[1].y), 1) << row;
    }
    for (int k = 0; k < 2; ++k) {
      Draw(doc.FigureTable[k + 4]);
      EXPECT_EQ(Kinds(), std::vector<OpKind>{OpKind::Arc}) << arcs[k] << " at " << r.w << "x" << r.h;
    }
  }
}

TEST_F(FigureTest, ArcsInPixels) {
  const Tfuncprop bulging = Figure(9, {"A", "B", ""}, 'A', 'B');
  const Tfuncprop quarter = Figure(11, {"B", "A", "pi/2"}, 'B', 'A');
  const Tfuncprop back = Figure(11, {"B", "A", "-pi/2"}, 'B', 'A');
  build.At('A', "-2", "0");
  build.At('B', "0", "0");
  // P1 (150, 250), P2 (250, 250), k = -1.5: the centre (200, 175), radius 90.
  Draw(bulging);
  ASSERT_EQ(c.Ops().size(), 1u);
  EXPECT_EQ(c.Ops()[0].rect, (gfx::Rect{110, 85, 290, 265}));
  EXPECT_EQ(c.Ops()[0].points, (Pts{{150, 250}, {250, 250}}));
  // About A from B: a quarter turn counter-clockwise ends above A; backwards, below,
  // drawn counter-clockwise from there to B.
  Draw(quarter);
  EXPECT_EQ(c.Ops()[0].rect, (gfx::Rect{50, 150, 250, 350}));
  EXPECT_EQ(c.Ops()[0].points, (Pts{{1150, 250}, {150, -750}}));
  Draw(back);
  EXPECT_EQ(c.Ops()[0].points, (Pts{{150, 1250}, {1150, 250}}));
}

TEST_F(FigureTest, SmallCirclesAreEllipsesLargeOnesTheCurveOfTheirEquation) {
  const Tfuncprop small = Figure(8, {"A", "a+1"}, 'A');
  const Tfuncprop large = Figure(8, {"B", "12"}, 'B');
  build.At('A', "1+b", "2");  // a centre given by formulas
  build.At('B', "12", "0");
  Draw(small);
  ASSERT_EQ(Kinds(), (std::vector<OpKind>{OpKind::Ellipse}));
  EXPECT_EQ(c.Ops()[0].rect, (gfx::Rect{250, 50, 450, 250}));

  // Radius 12 about (12, 0), through the origin: drawn through the equation's solved
  // branches, every vertex on the circle.
  Draw(large);
  const auto lines = c.OpsOf(OpKind::Polyline);
  ASSERT_FALSE(lines.empty());
  EXPECT_TRUE(c.OpsOf(OpKind::Ellipse).empty());
  for (const gfx::RecordedOp& op : lines)
    for (const gfx::Point& p : op.points) {
      const double x = (p.x - 250) / 50.0 - 12, y = (250 - p.y) / 50.0;
      EXPECT_NEAR(std::hypot(x, y), 12, 0.05) << p.x << "," << p.y;
    }
}

TEST_F(FigureTest, TheEllipseDrawer) {
  DrawConicEllipse(c, 0, 2, 0, 0, 0, 1, 2);
  ASSERT_EQ(Kinds(), (std::vector<OpKind>{OpKind::Ellipse}));
  EXPECT_EQ(c.Ops()[0].rect, (gfx::Rect{150, 200, 350, 300}));
  EXPECT_EQ(c.Ops()[0].brush.style, gfx::BrushStyle::Clear);
  // Turned, or too far out for the canvas's ellipse: a closed polygon of 181 vertices.
  for (Extended theta : {0.5L, 0.0L}) {
    c.Clear();
    DrawConicEllipse(c, 0, 2, 0, 0, theta, 1, theta == 0 ? 200 : 2);
    ASSERT_EQ(Kinds(), (std::vector<OpKind>{OpKind::Polyline}));
    EXPECT_EQ(c.Ops()[0].points.size(), 182u);
    EXPECT_EQ(c.Ops()[0].points.front(), c.Ops()[0].points.back());
  }
  c.Clear();
  DrawConicEllipse(c, 1, 2, 0, 0, 0, 1, 1);
  EXPECT_TRUE(c.OpsOf(OpKind::Ellipse).empty());
  EXPECT_FALSE(c.OpsOf(OpKind::StrokePath).empty());
}

TEST_F(FigureTest, APolygonOfThreePointsFillsItsInside) {
  Points();
  gfx::RasterCanvas r(500, 500);
  r.pen.color = 0x000000;
  FillPointPolygon(r, "ABC", 3, DashPattern(1), 0, 0x0000FF);
  // The triangle (150, 350), (350, 350), (250, 150), give or take a pixel at its outline.
  int inside = 0, outside = 0;
  for (int y = 0; y < 500; ++y) {
    for (int x = 0; x < 500; ++x) {
      if (r.Pixel(x, y) != 0x0000FF) continue;
      if (y < 149 || y > 351 || 2 * std::abs(x - 250) > y - 150 + 3)
        ++outside;
      else
        ++inside;
    }
  }
  EXPECT_GT(inside, 1000);
  EXPECT_EQ(outside, 0);
  EXPECT_EQ(r.Pixel(250, 350), gfx::kBlack);  // the outline in the pen
}

TEST_F(FigureTest, PolygonsNeedEveryVertex) {
  Points();
  for (const std::string& letters : {std::string("ABZ"), "AB" + std::string(100, 'C')}) {
    c.Clear();
    FillPointPolygon(c, letters, 1, DashPattern(1), 0, 0x0000FF);
    EXPECT_TRUE(c.Ops().empty()) << letters.size();
  }
  FillPointPolygon(c, "ABC", 7, DashPattern(1), 0, 0x0000FF);
  ASSERT_EQ(Kinds(), (std::vector<OpKind>{OpKind::Polygon}));
  EXPECT_EQ(c.Ops()[0].points, (Pts{{150, 350}, {350, 350}, {250, 150}}));
  EXPECT_EQ(c.Ops()[0].brush.style, gfx::BrushStyle::Clear);  // no hatch for other codes
}

TEST_F(FigureTest, OnPaperThePolygonIsHatchedThroughAMask) {
  Points();
  gfx::RecordingCanvas paper(500, 500);
  settings.MetafileCanvas = &paper;
  settings.DrawToMetafile = 1;
  FillPointPolygon(c, "ABC", 1, DashPattern(1), 0, 0x00FF00);
  settings.DrawToMetafile = 0;
  settings.MetafileCanvas = nullptr;
  EXPECT_TRUE(c.Ops().empty());
  const auto lines = paper.OpsOf(OpKind::Polyline);
  ASSERT_GT(lines.size(), 5u);
  EXPECT_EQ(lines[0].points, (Pts{{150, 350}, {350, 350}, {250, 150}, {150, 350}}));  // the outline
  const int cell = 500 / 50;  // density normal, print scale 1
  for (size_t i = 1; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].pen.color, 0x00FF00u);
    for (const Point& p : lines[i].points) {
      EXPECT_GE(p.y, 150);
      EXPECT_LE(p.y, 350);
      EXPECT_LE(2 * std::abs(p.x - 250), p.y - 150 + 2);
    }
    // "/" pieces of the cell diagonals (ends found by halving, within a pixel).
    const Point a = lines[i].points[0], b = lines[i].points[1];
    EXPECT_LE(std::abs((a.x - b.x) - (b.y - a.y)), 1);
    EXPECT_LE(std::abs(a.x - b.x), cell);
  }
}

}  // namespace
