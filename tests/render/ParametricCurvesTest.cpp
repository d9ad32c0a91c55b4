#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <utility>
#include <string>
#include <vector>

#include "formula/DocumentState.h"
#include "platform/RasterCanvas.h"
#include "platform/RecordingCanvas.h"
#include "render/ParametricCurves.h"
#include "render/PolarCurves.h"
#include "render/ToolkitFixture.h"

namespace {

using gfx::OpKind;
using gfx::Point;
using Line = std::vector<Point>;

// The default view: -5..5 on 500 x 500 pixels, pixel 250 is 0, one pixel 0.02.
class CurveInT : public ToolkitTest {
 protected:
  static Tfuncprop Parametric(const std::string& x, const std::string& y, const std::string& t0,
                              const std::string& t1, const std::string& step = "0.1") {
    Tfuncprop e;
    InitFuncprop(e, kKindParametric);
    e.texts = {x, y, t0, t1, ""};
    e.stepText = step;
    return e;
  }
  static Tfuncprop Polar(const std::string& r, const std::string& t0, const std::string& t1,
                         const std::string& cx = "0", const std::string& cy = "0") {
    Tfuncprop e;
    InitFuncprop(e, kKindPolar);
    e.texts = {r, cx, cy, t0, t1};
    return e;
  }
  std::vector<Line> Lines() const {
    std::vector<Line> lines;
    for (const gfx::RecordedOp& op : c.OpsOf(OpKind::Polyline)) lines.push_back(op.points);
    return lines;
  }
  std::vector<Line> Draw(const Tfuncprop& e) {
    c.Clear();
    e.kind == kKindPolar ? DrawPolarCurve(c, e) : DrawParametricCurve(c, e);
    return Lines();
  }
  static bool Near(Point p, int x, int y, int tolerance = 1) {
    return std::abs(p.x - x) <= tolerance && std::abs(p.y - y) <= tolerance;
  }

  gfx::RecordingCanvas c{500, 500};
};

TEST_F(CurveInT, NothingIsDrawnWithoutAStepOrARange) {
  for (const Tfuncprop& e : {Parametric("cos(t)", "sin(t)", "0", "1", "0"), Parametric("cos(t)", "sin(t)", "0", "1", "-0.1"),
                             Parametric("cos(t)", "sin(t)", "1", "1"), Parametric("cos(t)", "sin(t)", "", ""),
                             Parametric("cos(t", "sin(t)", "0", "1"), Parametric("cos(t)", "sin(t)", "0", "sqrt(-1)")}) {
    Draw(e);
    EXPECT_TRUE(c.Ops().empty()) << e.texts[0] << " " << e.stepText << " " << e.texts[3];
  }
}

TEST_F(CurveInT, TheUnitCircleCloses) {
  const auto lines = Draw(Parametric("cos(t)", "sin(t)", "0", "2pi"));
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].front(), (Point{300, 250}));
  EXPECT_EQ(lines[0].back(), lines[0].front());
  for (const Point& p : lines[0]) EXPECT_NEAR(std::hypot(p.x - 250.0, p.y - 250.0), 50, 1);
}

TEST_F(CurveInT, SamplesRunInStepsAndEndExactlyAtTheUpperBound) {
  // x = t across the view, so the samples are readable as columns; 0.7 is no multiple
  // of the step.
  const auto forwards = Draw(Parametric("4t", "2t^2", "0", "0.7", "0.2"));
  ASSERT_EQ(forwards.size(), 1u);
  EXPECT_EQ(forwards[0], (Line{{250, 250}, {290, 246}, {330, 234}, {370, 214}, {390, 201}}));
  // Backwards with the same step size.
  const auto backwards = Draw(Parametric("4t", "2t^2", "0.7", "0", "0.2"));
  ASSERT_EQ(backwards.size(), 1u);
  EXPECT_EQ(backwards[0], (Line{{390, 201}, {350, 225}, {310, 241}, {270, 249}, {250, 250}}));
}

TEST_F(CurveInT, StraightCurvesAreOneSegment) {
  struct Row {
    const char *x, *y;
    Line line;
  } rows[] = {
      {"t", "2t+1", {{200, 300}, {300, 100}}},  // whatever the step
      {"a*t", "-2", {{200, 350}, {300, 350}}},
      // One coordinate constant, the other not linear: sampled, so the whole stretch
      // y = t^2 from 0 to 1 is there, not a segment from (1, 1) to (1, 1).
  };
  for (const Row& r : rows) {
    const auto lines = Draw(Parametric(r.x, r.y, "-1", "1", "0.3"));
    ASSERT_EQ(lines.size(), 1u) << r.x;
    EXPECT_EQ(lines[0], r.line) << r.x;
  }
  const auto parabola = Draw(Parametric("1", "t^2", "-1", "1"));
  ASSERT_EQ(parabola.size(), 1u);
  int top = 500, bottom = 0;
  for (const Point& p : parabola[0]) {
    EXPECT_EQ(p.x, 300);
    top = std::min(top, p.y);
    bottom = std::max(bottom, p.y);
  }
  EXPECT_EQ(top, 200);
  EXPECT_EQ(bottom, 250);
}

TEST_F(CurveInT, TinyStepsNeverHang) {
  // A step far below the range is widened to a bounded number of samples.
  const auto fine = Draw(Parametric("cos(t)", "sin(t)", "0", "pi", "10^(-15)"));
  ASSERT_EQ(fine.size(), 1u);
  EXPECT_EQ(fine[0].back(), (Point{200, 250}));
  // A range below the resolution of t: one step to the end.
  const auto coarse = Draw(Parametric("t-10^18", "(t-10^18)^2", "10^18", "10^18+1", "0.001"));
  ASSERT_EQ(coarse.size(), 1u);
  EXPECT_EQ(coarse[0].size(), 2u);
}

TEST_F(CurveInT, DomainEdgesAreFoundByBisection) {
  // y = sqrt(1 - t^2) exists on [-1, 1] only; the samples at -1.2, -1.1 ... miss the ends.
  const auto lines = Draw(Parametric("t", "sqrt(1-t^2)", "-1.25", "1.25", "0.1"));
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].front(), (Point{200, 250}));
  EXPECT_EQ(lines[0].back(), (Point{300, 250}));
}

TEST_F(CurveInT, TheCoarseStepLastsOnlyAcrossTheUndefinedStretch) {
  // Undefined for |t| < 1; the coarse step there is 0.1, the curve's own step 0.05.
  const auto lines = Draw(Parametric("t", "sqrt(t^2-1)", "-3", "3", "0.05"));
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_TRUE(Near(lines[1].front(), 300, 250));
  // From t = 1 to 3 in steps of 0.05 (2.5 pixels along x) after the edge.
  EXPECT_GE(lines[1].size(), 38u);
  for (size_t i = 2; i < lines[1].size(); ++i) EXPECT_LE(lines[1][i].x - lines[1][i - 1].x, 3);
}

TEST_F(CurveInT, ChordsToFarPointsKeepTheirDirection) {
  // The line y = 10x to a point far beyond the view: it leaves at the top at x = 0.5,
  // pixel 275, not along the diagonal that clamped pixels would give.
  const auto lines = Draw(Parametric("1000000t", "10000000t", "0", "1"));
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].front(), (Point{250, 250}));
  EXPECT_TRUE(Near(lines[0].back(), 275, 0)) << lines[0].back().x << "," << lines[0].back().y;
  // x = 1/t, y = 1/t^2 near t = 0: the branches run up steeply, never across.
  for (const Line& l : Draw(Parametric("1/t", "1/t^2", "-2", "2"))) {
    for (size_t i = 1; i < l.size(); ++i) {
      const int dx = std::abs(l[i].x - l[i - 1].x), dy = std::abs(l[i].y - l[i - 1].y);
      if (l[i].y < 5 || l[i - 1].y < 5) {
        EXPECT_LT(dx, dy) << "chord into the top edge";
      }
    }
  }
}

TEST_F(CurveInT, TheLineBreaksWhereTheCurveLeavesTheView) {
  // The circle of radius 6 about (0, 0) crosses the view four times.
  const auto lines = Draw(Parametric("6cos(t)", "6sin(t)", "0", "2pi", "0.01"));
  EXPECT_EQ(lines.size(), 4u);
}

TEST_F(CurveInT, AnArrowheadPointsAlongTheLastChord) {
  Tfuncprop e = Parametric("t", "2t", "-1", "1");
  e.arrowAtEnd = 1;
  Draw(e);
  const auto heads = c.OpsOf(OpKind::Polygon);
  ASSERT_EQ(heads.size(), 1u);
  EXPECT_EQ(heads[0].points.front(), (Point{300, 150}));  // the tip at t = 1
  EXPECT_GT(heads[0].points[1].y, 150);                   // the wings behind it, below
}

TEST_F(CurveInT, ParametricCurvesLeaveTAsItWas) {
  doc.VariableValues.T = 0.25L;
  Draw(Parametric("cos(t)", "sin(t)", "0", "1"));
  EXPECT_EQ(doc.VariableValues.T, 0.25L);
  EXPECT_EQ(eng.ParserCollectMode, 1);
}

TEST_F(CurveInT, NothingOnLogarithmicAxes) {
  doc.CoordinateSystem = 2;
  Draw(Parametric("t", "t^2", "1", "2"));
  Draw(Polar("1", "0", "1"));
  EXPECT_TRUE(c.Ops().empty());
}

TEST_F(CurveInT, AConstantRadiusIsATrueCircleOrArc) {
  Draw(Polar("1", "0", "2pi"));
  auto ellipses = c.OpsOf(OpKind::Ellipse);
  ASSERT_EQ(ellipses.size(), 1u);
  EXPECT_EQ(ellipses[0].rect, (gfx::Rect{200, 200, 300, 300}));
  EXPECT_TRUE(Lines().empty());

  Draw(Polar("a+1", "0", "pi", "1", "-1"));  // r = 2 about (1, -1): the upper half
  const auto arcs = c.OpsOf(OpKind::Arc);
  ASSERT_EQ(arcs.size(), 1u);
  EXPECT_EQ(arcs[0].rect, (gfx::Rect{200, 200, 400, 400}));
  EXPECT_EQ(arcs[0].points, (Line{{400, 300}, {200, 300}}));
  EXPECT_TRUE(Lines().empty());

  Draw(Polar("1", "0", "0"));
  EXPECT_TRUE(c.Ops().empty());
}

TEST_F(CurveInT, OtherRadiiAreSampledAsParametricCurves) {
  const auto spiral = Draw(Polar("t", "0", "pi"));
  ASSERT_EQ(spiral.size(), 1u);
  EXPECT_EQ(spiral[0].front(), (Point{250, 250}));
  EXPECT_EQ(spiral[0].back(), (Point{93, 250}));
  // An empty centre is the origin; a circle too large for the pixel mapping is sampled.
  EXPECT_EQ(Draw(Polar("t", "0", "1", "", "")).size(), 1u);
  Draw(Polar("100000", "0", "2pi"));
  EXPECT_TRUE(c.OpsOf(OpKind::Ellipse).empty());
}

TEST_F(CurveInT, AConstantRadiusIsDashedAsTheSameParametricCircle) {
  // Samples round the circle of radius 3 (150 pixels) every fifth of a degree, each
  // looking across the line: how many found ink, and how often ink and white alternate.
  auto runs = [](const Tfuncprop& e) {
    gfx::RasterCanvas r(500, 500);
    e.kind == kKindPolar ? DrawPolarCurve(r, e) : DrawParametricCurve(r, e);
    int inkSamples = 0, changes = 0;
    bool previous = false;
    for (int k = 0; k < 1800; ++k) {
      const Extended a = k * std::numbers::pi_v<Extended> / 900;
      bool ink = false;
      for (int radius = 147; radius <= 153; ++radius)
        ink = ink || r.Pixel(250 + static_cast<int>(std::lround(radius * std::cos(a))),
                             250 - static_cast<int>(std::lround(radius * std::sin(a)))) != gfx::kWhite;
      if (k > 0 && ink != previous) ++changes;
      previous = ink;
      inkSamples += ink;
    }
    return std::pair{inkSamples, changes};
  };
  Tfuncprop polar = Polar("3", "0", "2pi"), parametric = Parametric("3cos(t)", "3sin(t)", "0", "2pi", "0.01");
  EXPECT_EQ(runs(polar), (std::pair{1800, 0}));
  polar.dashed = parametric.dashed = 1;
  const auto [polarInk, polarChanges] = runs(polar);
  const auto [curveInk, curveChanges] = runs(parametric);
  // Dashes of 6 pixels and gaps of 3 along 942 pixels: about 100 of each.
  EXPECT_GT(curveChanges, 150);
  EXPECT_NEAR(polarChanges, curveChanges, curveChanges / 10);
  EXPECT_NEAR(polarInk, curveInk, curveInk / 10);
}

TEST_F(CurveInT, APolarArrowheadFollowsTheWayTheArcRuns) {
  Tfuncprop e = Polar("1", "0", "pi/2");
  e.arrowAtEnd = 1;
  Draw(e);
  auto heads = c.OpsOf(OpKind::Polygon);
  ASSERT_EQ(heads.size(), 1u);
  EXPECT_EQ(heads[0].points.front(), (Point{250, 200}));  // at (0, 1), heading left
  EXPECT_GT(heads[0].points[1].x, 250);
  e.texts[3] = "pi";  // from pi back down to pi/2: heading right
  e.texts[4] = "pi/2";
  Draw(e);
  heads = c.OpsOf(OpKind::Polygon);
  ASSERT_EQ(heads.size(), 1u);
  EXPECT_LT(heads[0].points[1].x, 250);
}

}  // namespace
