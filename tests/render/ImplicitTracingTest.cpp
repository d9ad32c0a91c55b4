// Numeric tracing: the curves it follows, where it starts and stops, and the edge searches
// and cell marks of its grid scan.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>

#include "platform/RasterCanvas.h"
#include "render/ImplicitFixture.h"
#include "render/ImplicitTracing.h"
#include "render/TraceCells.h"
#include "render/TraceCrossings.h"

using gfx::OpKind;
using gfx::RecordingCanvas;

namespace {

class TracingTest : public ImplicitTest {
 protected:
  // The tracer on F = L - R of the relation, without the closed forms.
  static void Trace(const std::string& relation, gfx::Canvas& canvas) {
    Tfrec* F = Difference(relation);
    TraceCellWidth = 10;
    TraceCellHeight = 10;
    {
      const ImplicitDerivativesScope derivatives(F);
      TraceImplicitNumerically(F, canvas);
    }
    DisposeTree(F);
  }

  // Where traces started: the dot each plots at its start point.
  static std::vector<gfx::Point> Starts(const RecordingCanvas& c) {
    std::vector<gfx::Point> starts;
    for (const gfx::RecordedOp& op : c.OpsOf(OpKind::Line)) starts.push_back(op.points[0]);
    return starts;
  }

  static RecordingCanvas Pen(int width) {
    RecordingCanvas c;
    c.pen.width = width;
    return c;
  }
};

TEST_F(TracingTest, AClosedCurveIsTracedOnceAndClosesOnItsStart) {
  RecordingCanvas c = Pen(2);
  EXPECT_EQ(Plot("x^4+y^4+xy=1", c), ImplicitRoad::Trace);
  const std::vector<gfx::Point> starts = Starts(c);
  ASSERT_EQ(starts.size(), 1u);
  const auto lines = Polylines(c);
  ASSERT_GT(lines.size(), 100u);
  EXPECT_EQ(lines.front().front(), starts[0]);
  EXPECT_EQ(lines.back().back(), starts[0]);  // the closing segment
  const std::vector<gfx::Point> off = OffCurve(c, "x^4+y^4+xy=1");
  EXPECT_TRUE(off.empty()) << off.size() << " off the curve, first at " << off[0].x << "," << off[0].y;
}

TEST_F(TracingTest, ACurveLeavingTheViewIsFollowedBothWaysFromItsStart) {
  // Degree 5 in both variables: no closed form; the curve is the line y = x.
  RecordingCanvas c = Pen(2);
  EXPECT_EQ(Plot("y^5+y=x^5+x", c), ImplicitRoad::Trace);
  EXPECT_EQ(Starts(c).size(), 1u);
  EXPECT_TRUE(PassesNear(c, 0, 500, 2));
  EXPECT_TRUE(PassesNear(c, 500, 0, 2));
  EXPECT_TRUE(OffCurve(c, "y=x").empty());
}

TEST_F(TracingTest, BranchesThatComeCloseAreBothDrawn) {
  // Hyperbola-like branches about the origin, their vertices (0.05, 0.05) and
  // (-0.05, -0.05) seven pixels apart.
  RecordingCanvas c = Pen(2);
  Trace("sin(x)sin(y)=0.0025", c);
  EXPECT_TRUE(PassesNear(c, 252, 247, 2));
  EXPECT_TRUE(PassesNear(c, 247, 252, 2));
  for (const int px : {100, 150, 350, 400}) {
    EXPECT_TRUE(PassesNear(c, px, 250, 2)) << px;  // both branches along the x axis
    EXPECT_TRUE(PassesNear(c, 250, px, 2)) << px;  // and along the y axis
  }
  EXPECT_TRUE(OffCurve(c, "sin(x)sin(y)=0.0025").empty());
}

TEST_F(TracingTest, TheSignPatternNeedsAChangeOfSignHeadingAwayFromZeroAtTheFarEnd) {
  struct Case {
    Extended dFar, fFar, dNear, fNear;
    bool holds;
  };
  const Case cases[] = {
      {1, 1, 1, -1, true},
      {-1, 1, 1, -1, false},  // the far end heads back toward zero
      {1, 1, -1, -1, false},  // the near end heads away from it
      {1, 1, 1, 0, true},     // zero at the near end
      {1, 1, 1, 1, false},    // no change of sign
  };
  for (const Case& k : cases) EXPECT_EQ(SignPatternBracket(k.dFar, k.fFar, k.dNear, k.fNear), k.holds);
}

TEST_F(TracingTest, ACurveTouchingALowerEdgeIsFoundByItsTangentsButNotOnALeftEdge) {
  View(-5, 5, -5, 5, 640, 640);  // a pixel is 1/64, a cell 10/64
  const Extended cell = 10.0L / 64;
  Tfrec* F = Difference("y^4+y=(x-0.1)^2");
  {
    const ImplicitDerivativesScope derivatives(F);
    const TracePoint p = FindCrossingOnRow(F, RowSample(F, 0, 0), RowSample(F, cell, 0));
    ASSERT_TRUE(p.valid);
    EXPECT_NEAR(static_cast<double>(p.x), 0.1, 1.0 / 256);
    EXPECT_EQ(p.y, 0);
  }
  DisposeTree(F);
  Tfrec* G = Difference("x^4+x=(y-0.1)^2");
  {
    const ImplicitDerivativesScope derivatives(G);
    EXPECT_FALSE(FindCrossingOnColumn(G, ColumnSample(G, 0, 0), ColumnSample(G, 0, cell)).valid);
  }
  DisposeTree(G);
}

TEST_F(TracingTest, EdgeSearchesFindSignChangesAndAZeroTopCorner) {
  View(-5, 5, -5, 5, 640, 640);
  const Extended cell = 10.0L / 64, pixel = 1.0L / 64;
  Tfrec* F = Difference("y^4+y=sin(x)");
  {
    const ImplicitDerivativesScope derivatives(F);
    // F(0, 0) = 0 at the upper-left corner of the cell below the origin.
    const TracePoint corner = FindCrossingOnColumn(F, ColumnSample(F, 0, -cell), ColumnSample(F, 0, 0));
    ASSERT_TRUE(corner.valid);
    EXPECT_EQ(corner.x, 0);
    EXPECT_EQ(corner.y, 0);
    // y^4 + y = sin(0.1) on the left edge x = 0.1; sin(x) = 0.05 on the lower edge y = 0.05.
    const TracePoint onColumn = FindCrossingOnColumn(F, ColumnSample(F, 0.1L, 0), ColumnSample(F, 0.1L, cell));
    ASSERT_TRUE(onColumn.valid);
    EXPECT_LT(std::fabs(ImplicitValue(F, onColumn.x, onColumn.y)), 1e-6);
    const TracePoint onRow = FindCrossingOnRow(F, RowSample(F, 0, 0.05L), RowSample(F, cell, 0.05L));
    ASSERT_TRUE(onRow.valid);
    EXPECT_NEAR(static_cast<double>(onRow.x), std::asin(0.05 + std::pow(0.05, 4)), static_cast<double>(pixel / 8));
  }
  DisposeTree(F);
}

TEST_F(TracingTest, ASegmentMarksItsCellsAndTheNeighboursWithinAPixelOfTheirEdges) {
  View(0, 100, 0, 100, 100, 100);  // a pixel is 1, a cell 10
  TraceCellWidth = 10;
  TraceCellHeight = 10;
  using Cells = std::set<std::pair<int, int>>;
  struct Case {
    Extended x1, y1, x2, y2;
    Cells marked;
  };
  const Case cases[] = {
      {35, 25, 35, 25, {{4, 3}}},
      {30.5L, 25, 30.5L, 25, {{4, 3}, {3, 3}}},                  // near the left edge
      {35, 20.5L, 35, 20.5L, {{4, 3}, {4, 2}}},                  // near the bottom edge
      {30.5L, 20.5L, 30.5L, 20.5L, {{4, 3}, {3, 3}, {4, 2}, {3, 2}}},
      {35, 25, 25, 15, {{3, 2}, {4, 3}, {3, 3}, {4, 2}}},        // across a column and a row
      {25, 15, 35, 15, {{3, 2}, {4, 2}}},
      {-0.5L, 5, 0.5L, 5, {{1, 1}}},                              // left of the grid: not kept
  };
  for (const Case& k : cases) {
    TraceCellMarks.Clear(10, 10);
    MarkTraceCells(k.x1, k.y1, k.x2, k.y2);
    Cells marked;
    for (int column = 0; column <= 11; ++column)
      for (int row = 0; row <= 11; ++row)
        if (TraceCellMarks.Marked(column, row)) marked.insert({column, row});
    EXPECT_EQ(marked, k.marked) << static_cast<double>(k.x1) << "," << static_cast<double>(k.y1);
  }
}

TEST_F(TracingTest, TracesEndWithoutReadingPixelsBackAndAtAnyZoom) {
  // Wide pens on a picture whose pixels cannot be read: only the return to the start, or
  // the step limit where a step misses the start by more than a pixel, ends the closed
  // curve.
  for (const int width : {5, 6, 7, 8, 9, 10, 11, 12}) {
    RecordingCanvas screen = Pen(width), paper;
    OnPaper(paper, false, [&] { Trace("x^4+y^4+xy=1", screen); });
    EXPECT_TRUE(screen.Ops().empty());
    EXPECT_GT(paper.OpsOf(OpKind::Polyline).size(), 20u) << width;
  }
  // Views far below the precision of a pixel step.
  for (const Extended width : {1e-12L, 1e-19L}) {
    View(0.5L, 0.5L + width, 0.5L, 0.5L + width, 500, 500);
    RecordingCanvas c = Pen(2);
    Trace("y^5+y=x^5+x", c);
  }
}

TEST_F(TracingTest, OnThePrintPictureTheTraceCoversItsWholeWidth) {
  // 12000 pixels across: more than a thousand cells in a row.
  View(-5, 5, -0.05L, 0.05L, 12000, 120);
  gfx::RasterCanvas paper(12000, 120);
  RecordingCanvas screen = Pen(3);
  screen.pen.color = 0x0000FF;
  OnPaper(paper, true, [&] { Plot("y^5+y=sin(x)/40", screen); });
  EXPECT_TRUE(screen.Ops().empty());
  for (const int px : {100, 6000, 11900}) {
    const double x = -5 + px / 1200.0, y = std::sin(x) / 40;  // y^5 is negligible here
    const int py = static_cast<int>(std::lround((0.05 - y) * 1200));
    EXPECT_EQ(paper.Pixel(px, py), 0x0000FFu) << px;
  }
}

}  // namespace
