#include <gtest/gtest.h>

#include <array>

#include "platform/RasterCanvas.h"
#include "platform/RecordingCanvas.h"
#include "render/PathUtils.h"

namespace {

using gfx::OpKind;
using gfx::Point;
using Pts = std::vector<Point>;

// The dashes as stroked paths, one polyline each.
std::vector<Pts> Dashes(const gfx::RecordingCanvas& c) {
  std::vector<Pts> out;
  for (const gfx::RecordedOp& op : c.OpsOf(OpKind::StrokePath))
    for (const gfx::Figure& f : op.figures) out.push_back(f.points);
  return out;
}

TEST(DashedPaths, DashesOfAStraightLine) {
  gfx::RecordingCanvas c;
  const Pts line{{0, 0}, {100, 0}};
  const std::array<double, 2> pattern{6, 3};
  DrawPatternedPolyline(line, 1, c, 1, pattern, 2, 0x0000FF);
  EXPECT_EQ(Dashes(c), (std::vector<Pts>{{{0, 0}, {12, 0}},
                                         {{18, 0}, {30, 0}},
                                         {{36, 0}, {48, 0}},
                                         {{54, 0}, {66, 0}},
                                         {{72, 0}, {84, 0}},
                                         {{90, 0}, {100, 0}}}));
  const gfx::Pen dashPen = c.Ops()[0].pen;
  EXPECT_EQ(dashPen.width, 2);
  EXPECT_EQ(dashPen.color, 0x0000FFu);
  EXPECT_EQ(dashPen.cap, gfx::PenCap::Flat);
  EXPECT_EQ(c.pen, gfx::Pen{});  // the canvas pen is given back
}

TEST(DashedPaths, ThePhaseRunsOnAcrossVertices) {
  gfx::RecordingCanvas c;
  const Pts line{{0, 0}, {10, 0}, {10, 50}};
  const std::array<double, 2> pattern{6, 3};
  DrawPatternedPolyline(line, 2, c, 0, pattern, 1, 0);
  const std::vector<Pts> d = Dashes(c);
  ASSERT_GE(d.size(), 3u);
  EXPECT_EQ(d[0], (Pts{{0, 0}, {6, 0}}));
  EXPECT_EQ(d[1], (Pts{{9, 0}, {10, 0}, {10, 5}}));
  EXPECT_EQ(d[2], (Pts{{10, 8}, {10, 14}}));
  EXPECT_EQ(d.size(), 7u);  // 60 pixels, a dash every 9
  EXPECT_EQ(d.back(), (Pts{{10, 44}, {10, 50}}));
  EXPECT_EQ(c.Ops()[0].pen.cap, gfx::PenCap::Round);
  // Only up to the given last index.
  c.Clear();
  DrawPatternedPolyline(line, 1, c, 0, pattern, 1, 0);
  EXPECT_EQ(Dashes(c).size(), 2u);
}

TEST(DashedPaths, PatternsReadCyclically) {
  gfx::RecordingCanvas c;
  const Pts line{{0, 0}, {40, 0}};
  const std::array<double, 4> pattern{4, 2, 1, 2};  // dash, gap, dot, gap
  DrawPatternedPolyline(line, 1, c, 1, pattern, 1, 0);
  EXPECT_EQ(Dashes(c), (std::vector<Pts>{{{0, 0}, {4, 0}},
                                         {{6, 0}, {7, 0}},
                                         {{9, 0}, {13, 0}},
                                         {{15, 0}, {16, 0}},
                                         {{18, 0}, {22, 0}},
                                         {{24, 0}, {25, 0}},
                                         {{27, 0}, {31, 0}},
                                         {{33, 0}, {34, 0}},
                                         {{36, 0}, {40, 0}}}));
}

TEST(DashedPaths, BadPatternsWidthsAndPointsNeverHang) {
  gfx::RecordingCanvas c;
  const Pts line{{0, 0}, {100, 0}};
  const std::array<double, 2> zero{0, 0}, negative{-1, -2};
  DrawPatternedPolyline(line, 1, c, 1, zero, 2, 0);
  DrawPatternedPolyline(line, 1, c, 1, negative, 2, 0);
  DrawPatternedPolyline(line, 1, c, 1, std::span<const double>{}, 2, 0);
  DrawPatternedPolyline(line, -1, c, 1, std::array<double, 2>{6, 3}, 2, 0);
  EXPECT_TRUE(c.Ops().empty());
  // Width 0 dashes as width 1.
  gfx::RecordingCanvas one;
  DrawPatternedPolyline(line, 1, c, 1, std::array<double, 2>{6, 3}, 0, 0);
  DrawPatternedPolyline(line, 1, one, 1, std::array<double, 2>{6, 3}, 1, 0);
  EXPECT_EQ(Dashes(c), Dashes(one));
  EXPECT_EQ(c.Ops()[0].pen.width, 1);
  // Repeated points are no edges.
  c.Clear();
  const Pts repeated{{0, 0}, {0, 0}, {10, 0}, {10, 0}};
  DrawPatternedPolyline(repeated, 3, c, 1, std::array<double, 2>{6, 3}, 1, 0);
  EXPECT_EQ(Dashes(c), (std::vector<Pts>{{{0, 0}, {6, 0}}, {{9, 0}, {10, 0}}}));
}

TEST(DashedPaths, PathPointsAndTheirTypes) {
  gfx::RecordingCanvas c;
  c.BeginPath();
  c.MoveTo(0, 0);
  c.LineTo(5, 0);
  c.LineTo(5, 5);
  c.CloseFigure();
  const Pts bez{{10, 10}, {20, 0}, {30, 0}, {40, 10}};
  c.PolyBezier(bez);
  c.EndPath();
  TPath path;
  path.LoadFromCanvas(c);
  ASSERT_EQ(path.Count(), 7);
  struct Row {
    int x, y, kind;
    bool closed;
  } rows[] = {{0, 0, 0, false}, {5, 0, 1, false}, {5, 5, 1, true}, {10, 10, 0, false},
              {20, 0, 2, false}, {30, 0, 2, false}, {40, 10, 2, false}};
  for (int i = 0; i < 7; ++i) {
    int x = -1, y = -1, kind = -1;
    bool closed = false;
    path.GetPoint(i, x, y, kind, closed);
    EXPECT_EQ(x, rows[i].x) << i;
    EXPECT_EQ(y, rows[i].y) << i;
    EXPECT_EQ(kind, rows[i].kind) << i;
    EXPECT_EQ(closed, rows[i].closed) << i;
  }
  TPath copy;
  copy.Assign(path);
  EXPECT_EQ(copy.Count(), 7);
  // A canvas without an ended path gives an empty one.
  gfx::RecordingCanvas none;
  copy.LoadFromCanvas(none);
  EXPECT_EQ(copy.Count(), 0);
}

TEST(DashedPaths, BadIndexRaises) {
  TPath path;
  int x, y, kind;
  bool closed;
  for (int index : {-1, 0, 5}) {
    try {
      path.GetPoint(index, x, y, kind, closed);
      ADD_FAILURE() << "no error for " << index;
    } catch (const EPathError& e) {
      EXPECT_STREQ(e.what(), "TPath.GetPoint: Index is Out of Range");
    }
  }
}

TEST(DashedPaths, AClosedRectangleIsDashedRoundAllFourSides) {
  gfx::RecordingCanvas c;
  c.BeginPath();
  const Pts rect{{0, 0}, {40, 0}, {40, 20}, {0, 20}};
  c.Polygon(rect);
  c.EndPath();
  TPath path;
  path.LoadFromCanvas(c);
  path.DrawPatterned(c, 0x00FF00, 1, std::array<double, 2>{2, 1}, 2);
  const std::vector<Pts> d = Dashes(c);
  ASSERT_EQ(d.size(), 20u);  // 120 pixels, a dash of 4 every 6
  EXPECT_EQ(d.front(), (Pts{{0, 0}, {4, 0}}));
  EXPECT_EQ(d.back(), (Pts{{0, 6}, {0, 2}}));  // on the closing edge
}

TEST(DashedPaths, EveryFigureIsDrawnTheLastTwoPointOneToo) {
  gfx::RecordingCanvas c;
  c.BeginPath();
  c.MoveTo(0, 0);
  c.LineTo(30, 0);
  c.MoveTo(0, 10);
  c.LineTo(10, 10);
  c.EndPath();
  TPath path;
  path.LoadFromCanvas(c);
  path.DrawPatterned(c, 0, 1, std::array<double, 2>{6, 3}, 1);
  const std::vector<Pts> d = Dashes(c);
  ASSERT_EQ(d.size(), 6u);
  EXPECT_EQ(d[4], (Pts{{0, 10}, {6, 10}}));
  EXPECT_EQ(d[5], (Pts{{9, 10}, {10, 10}}));
  // A path of one segment.
  gfx::RecordingCanvas one;
  one.BeginPath();
  one.MoveTo(0, 0);
  one.LineTo(10, 0);
  one.EndPath();
  path.LoadFromCanvas(one);
  path.DrawPatterned(one, 0, 1, std::array<double, 2>{6, 3}, 1);
  EXPECT_EQ(Dashes(one).size(), 2u);
}

TEST(DashedPaths, FlattenedCurvesAreDashedOnARaster) {
  gfx::RasterCanvas r(120, 60);
  r.BeginPath();
  const Pts bez{{5, 50}, {30, 0}, {90, 0}, {115, 50}};
  r.PolyBezier(bez);
  r.EndPath();
  r.FlattenPath();
  TPath path;
  path.LoadFromCanvas(r);
  EXPECT_GT(path.Count(), 4);
  path.DrawPatterned(r, 0x0000FF, 1, std::array<double, 2>{3, 2}, 2);
  int red = 0;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 120; ++x) red += r.Pixel(x, y) == 0x0000FFu;
  EXPECT_GT(red, 100);
  int nearStart = 0;  // the first dash begins at the curve's start
  for (int y = 48; y <= 52; ++y)
    for (int x = 3; x <= 7; ++x) nearStart += r.Pixel(x, y) == 0x0000FFu;
  EXPECT_GT(nearStart, 0);
}

}  // namespace
