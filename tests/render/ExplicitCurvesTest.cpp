#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "render/ExplicitCurvesFixture.h"

namespace {

using gfx::OpKind;
using gfx::RecordingCanvas;

constexpr double kPi = std::numbers::pi;

TEST_F(CurveTest, BreaksAtPolesAndJumps) {
  struct Row {
    const char* formula;
    std::vector<double> breaks;  // pixel columns no piece may cross
    size_t pieces;
  } rows[] = {
      {"1/x", {250}, 2},
      {"tan(x)", {250 - 25 * 3 * kPi, 250 - 25 * kPi, 250 + 25 * kPi, 250 + 25 * 3 * kPi}, 5},
      {"1/(x-1)+1/(x+2)", {300, 150}, 3},
      // A step built from relations has no evaluator jump: the chord test across the step
      // keeps the two levels apart.
      {"(x<0)+2*(x>=0)", {250}, 2},
      // The last piece is the pixel of floor(x) = 5 at the right edge.
      {"gaus(x)", {50, 100, 150, 200, 250, 300, 350, 400, 450, 500}, 11},
  };
  for (const Row& r : rows) {
    RecordingCanvas c;
    const auto lines = Draw(r.formula, c);
    EXPECT_EQ(lines.size(), r.pieces) << r.formula;
    for (const auto& line : lines) {
      EXPECT_GE(line.size(), 2u) << r.formula;
      for (double b : r.breaks) EXPECT_FALSE(Straddles(line, b)) << r.formula << " across " << b;
    }
  }
}

TEST_F(CurveTest, ContinuousCurvesStayWhole) {
  for (const char* f : {"x^2", "sin(3x)", "abs(x)", "x*(x>0)+(-x)*(x<=0)", "exp(x)/100"}) {
    RecordingCanvas c;
    EXPECT_EQ(Draw(f, c).size(), 1u) << f;
  }
}

TEST_F(CurveTest, DomainEdgesAreFoundByBisection) {
  const Extended h = doc.PixelSizeX;
  const auto root = Sample("sqrt(x)");
  ASSERT_EQ(root.size(), 1u);
  EXPECT_GE(root.front().front().x, 0);
  EXPECT_LT(root.front().front().x, h / 65536 * 1.01L);

  // The curve ends where the domain ends, and starts again where it starts again.
  const auto circle = Sample("sqrt(4-x^2)");
  ASSERT_EQ(circle.size(), 1u);
  EXPECT_NEAR(static_cast<double>(circle.front().front().x), -2, 1e-5);
  EXPECT_NEAR(static_cast<double>(circle.front().back().x), 2, 1e-5);

  // The halvings leave a quotient's numerator and denominator crossed on the undefined
  // side: the step after the edge is still no jump.
  const auto quotient = Sample("(x+0.001)/sqrt(x+0.001)");
  ASSERT_EQ(quotient.size(), 1u);
  EXPECT_NEAR(static_cast<double>(quotient.front().front().x), -0.001, 1e-6);

  const auto restricted = Sample("x*(x>0)");
  ASSERT_EQ(restricted.size(), 1u);
  for (const WorldPoint& p : restricted.front()) EXPECT_GE(p.x, 0);
  EXPECT_LT(restricted.front().front().x, h / 1000);
}

TEST_F(CurveTest, OnPixelsTheRestrictedCurveStartsAtTheEdge) {
  RecordingCanvas c;
  const auto sqrtLines = Draw("sqrt(x)", c);
  ASSERT_EQ(sqrtLines.size(), 1u);
  EXPECT_EQ(sqrtLines.front().front().x, 250);
  EXPECT_EQ(sqrtLines.front().front().y, 250);

  RecordingCanvas d;
  const auto half = Draw("x*(x>0)", d);
  ASSERT_EQ(half.size(), 1u);
  for (const gfx::Point& p : half.front()) EXPECT_GE(p.x, 250);
  EXPECT_EQ(half.front().front().x, 250);
}

TEST_F(CurveTest, CurvesAreCutInABandJustBeyondTheView) {
  RecordingCanvas c;
  const auto lines = Draw("x^2", c);
  ASSERT_EQ(lines.size(), 1u);
  int top = 1000;
  for (const gfx::Point& p : lines.front()) top = std::min(top, p.y);
  EXPECT_EQ(top, -3);

  // On paper the band scales with the output.
  settings.OutputScale = 2;
  RecordingCanvas paper;
  const auto printed = Draw("x^2", paper);
  top = 1000;
  for (const auto& line : printed)
    for (const gfx::Point& p : line) top = std::min(top, p.y);
  EXPECT_EQ(top, -6);

  // A curve that crosses the whole band between two samples keeps both crossings.
  settings.OutputScale = 1;
  RecordingCanvas steep;
  const auto across = Draw("1000*sin(100*x)", steep);
  ASSERT_GT(across.size(), 100u);
  for (const auto& line : across)
    for (const gfx::Point& p : line) {
      EXPECT_GE(p.y, -3);
      EXPECT_LE(p.y, 503);
    }
}

TEST_F(CurveTest, StraightLinesAreDrawnWholeOnALinearXAxis) {
  RecordingCanvas c;
  const auto lines = Draw("2x+1", c);
  ASSERT_EQ(lines.size(), 1u);
  ASSERT_EQ(lines.front().size(), 2u);
  // From the bottom edge to the top edge: y = -5 at x = -3, y = 5 at x = 2.
  EXPECT_NEAR(lines.front()[0].x, 100, 1);
  EXPECT_NEAR(lines.front()[1].x, 350, 1);

  // Horizontally logarithmic: world x is log10 x, the curve 2·10^u + 1 is sampled; it runs
  // through (0, 3) and (0.5, 2·sqrt(10) + 1).
  doc.CoordinateSystem = 4;
  View(-1, 1, 0, 10, 500, 500);
  RecordingCanvas log;
  const auto sampled = Draw("2x+1", log);
  ASSERT_EQ(sampled.size(), 1u);
  EXPECT_GT(sampled.front().size(), 100u);
  auto yAt = [&](int px) {
    for (const gfx::Point& p : sampled.front())
      if (p.x == px) return p.y;
    return -1;
  };
  EXPECT_NEAR(yAt(250), WorldToScreenY(3), 1);
  EXPECT_NEAR(yAt(375), WorldToScreenY(2 * std::sqrt(10.0L) + 1), 1);
}

TEST_F(CurveTest, LogarithmicValueAxisDrawsTheDecimalLogarithm) {
  doc.CoordinateSystem = 2;
  View(0, 10, -1, 1, 500, 500);
  RecordingCanvas c;
  const auto lines = Draw("x", c);
  ASSERT_EQ(lines.size(), 1u);
  bool atOne = false, atTen = false;
  for (const gfx::Point& p : lines.front()) {
    atOne = atOne || (p.x == WorldToScreenX(1) && std::abs(p.y - WorldToScreenY(0)) <= 1);
    atTen = atTen || (p.x == WorldToScreenX(10) && std::abs(p.y - WorldToScreenY(1)) <= 1);
  }
  EXPECT_TRUE(atOne);
  EXPECT_TRUE(atTen);
}

TEST_F(CurveTest, DerivativesAreDrawnFromTheLinkedEntry) {
  doc.FigureTable[1] = Entry("x^3");
  doc.EntryCount = 1;
  Tfuncprop d = Entry("", kKindDerivative);
  d.link = 1;
  RecordingCanvas c;
  DrawExplicitFunction(c, d, 1, doc.ViewRange.XMin, doc.ViewRange.XMax);
  const auto lines = Polylines(c);
  ASSERT_FALSE(lines.empty());
  size_t checked = 0;
  for (const auto& line : lines)
    for (const gfx::Point& p : line) {
      if (p.y < 0 || p.y > 500) continue;
      const Extended x = doc.ViewRange.XMin + p.x * doc.PixelSizeX;
      EXPECT_NEAR(p.y, WorldToScreenY(3 * x * x), 1) << p.x;
      ++checked;
    }
  EXPECT_GT(checked, 100u);

  // A link to nothing, or to an entry that is no explicit function, draws nothing.
  for (int link : {0, 2, 140}) {
    d.link = static_cast<uint8_t>(link);
    RecordingCanvas none;
    DrawExplicitFunction(none, d, 1, doc.ViewRange.XMin, doc.ViewRange.XMax);
    EXPECT_TRUE(none.Ops().empty()) << link;
  }
}

TEST_F(CurveTest, NothingDrawableDrawsNothingAndReturns) {
  struct Row {
    const char* what;
    const char* formula;
    TViewRange view;
  } rows[] = {
      {"undefined everywhere", "sqrt(-1-x^2)", {-5, 5, -5, 5}},
      {"does not parse", "x+*", {-5, 5, -5, 5}},
      {"empty", "", {-5, 5, -5, 5}},
      {"view 1e-300 wide", "sin(x)", {0, 1e-300L, -1, 1}},
      {"pixel below x's resolution", "x^2", {1e30L, 1e30L + 1e12L, -1, 1}},
      {"outside the band", "x^2+100", {-5, 5, -5, 5}},
  };
  for (const Row& r : rows) {
    View(r.view.XMin, r.view.XMax, r.view.YMin, r.view.YMax, 500, 500);
    RecordingCanvas c;
    Draw(r.formula, c);
    EXPECT_TRUE(c.OpsOf(OpKind::Polyline).empty()) << r.what;
    EXPECT_TRUE(c.OpsOf(OpKind::StrokePath).empty()) << r.what;
  }
}

TEST_F(CurveTest, TheRangeIsSampledInExtendedPrecision) {
  // Far from the origin a single-precision range would move the ends by several pixels.
  View(1000.00003L, 1000.00503L, -1, 1, 500, 500);
  RecordingCanvas c;
  const auto lines = Draw("sin(1000*x)", c);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines.front().front().x, 0);
  EXPECT_GE(lines.front().back().x, 499);
}

TEST_F(CurveTest, PenAndLineStyles) {
  Tfuncprop e = Entry("sin(x)");
  e.color = 0x00FF00;
  e.penWidth = 1;
  doc.LineWidthSetting = 3;
  RecordingCanvas c;
  DrawExplicitFunction(c, e, 0, doc.ViewRange.XMin, doc.ViewRange.XMax);
  auto ops = c.OpsOf(OpKind::Polyline);
  ASSERT_EQ(ops.size(), 1u);
  EXPECT_EQ(ops.front().pen.width, 3);
  EXPECT_EQ(ops.front().pen.color, 0x00FF00u);

  // Dashed: the whole curve is stroked dash by dash, no polyline is drawn solid.
  e.dashed = 1;
  RecordingCanvas dashed;
  DrawExplicitFunction(dashed, e, 0, doc.ViewRange.XMin, doc.ViewRange.XMax);
  EXPECT_TRUE(dashed.OpsOf(OpKind::Polyline).empty());
  EXPECT_GT(dashed.OpsOf(OpKind::StrokePath).size(), 20u);

  // Grey output greys the pen; on paper the pen is scaled.
  e.dashed = 0;
  modes.OutputColorMode = 1;
  settings.OutputScale = 2.5f;
  RecordingCanvas grey;
  DrawExplicitFunction(grey, e, 0, doc.ViewRange.XMin, doc.ViewRange.XMax);
  ops = grey.OpsOf(OpKind::Polyline);
  ASSERT_FALSE(ops.empty());
  EXPECT_EQ(ops.front().pen.color, GreyOf(0x00FF00));
  EXPECT_EQ(ops.front().pen.width, 8);  // round(3 * 2.5), half to even
}

TEST_F(CurveTest, OnThePrintPictureNothingReachesTheBitmap) {
  RecordingCanvas bitmap, paper;
  settings.DrawToMetafile = 1;
  settings.MetafileCanvas = &paper;
  Draw("x^2", bitmap);
  Draw("x*(x^2=1)", bitmap);
  settings.DrawToMetafile = 0;
  settings.MetafileCanvas = nullptr;
  EXPECT_TRUE(bitmap.Ops().empty());
  EXPECT_EQ(paper.OpsOf(OpKind::Polyline).size(), 1u);
  EXPECT_EQ(paper.OpsOf(OpKind::Ellipse).size(), 2u);
}

}  // namespace
