#include <algorithm>
#include <numbers>

#include "PanelFixture.h"
#include "animate/IntervalDrawing.h"
#include "platform/RasterCanvas.h"
#include "platform/Runtime.h"

namespace {

constexpr Extended kPi = std::numbers::pi_v<long double>;

struct IntervalTest : PanelTest {
  IntervalControls& interval() { return panel->Interval(); }

  void SetBounds(const char* lower, const char* upper) {
    doc.IntervalLowerText = lower;
    doc.IntervalUpperText = upper;
    doc.IntervalMode = 1;
  }
  // The panel opened in interval mode.
  void ShowInterval() {
    modes.AnimationMode = 1;
    panel->FormShow();
  }
  // Some pixel of the column at or below the row is not white.
  static bool PaintedBelow(const gfx::Canvas& canvas, int x, int top) {
    for (int y = top; y < canvas.Height(); ++y)
      if (canvas.Pixel(x, y) != gfx::kWhite) return true;
    return false;
  }
};

TEST_F(IntervalTest, StepsMoveTheBoundsOnTheirGridAndNeverLetThemMeet) {
  struct Case {
    IntervalButton kind;
    const char *lower, *upper;
    int widthItem;  // 10, 1, 0.1, 0.01, 0.001
    const char *newLower, *newUpper;
  } cases[] = {
      {kLowerMinus, "0", "1", 2, "-0.100", "1.000"},
      {kLowerPlus, "0", "1", 2, "0.100", "1.000"},
      {kLowerPlus, "0.9", "1", 2, "0.900", "1.000"},
      {kLowerPlus, "0", "0.01", 3, "0.000", "0.010"},
      {kUpperMinus, "0", "0.1", 2, "0.000", "0.100"},
      {kUpperMinus, "0", "0.001", 4, "0.000", "0.001"},
      {kUpperPlus, "0", "1", 2, "0.000", "1.100"},
      {kMoveLeft, "0", "1", 2, "-0.100", "0.900"},
      {kMoveRight, "0", "1", 1, "1.000", "2.000"},
      {kLowerPlus, "pi/4", "1", 2, "0.885", "1.000"},  // a formula becomes a number
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.lower) + " " + c.upper + " kind " + std::to_string(c.kind));
    SetBounds(c.lower, c.upper);
    panel->SetStepWidthIndex(c.widthItem);
    interval().Step(c.kind);
    EXPECT_EQ(doc.IntervalLowerText, c.newLower);
    EXPECT_EQ(doc.IntervalUpperText, c.newUpper);
    EXPECT_EQ(interval().LowerPanelText(), c.newLower);
    EXPECT_EQ(interval().UpperPanelText(), c.newUpper);
  }
}

TEST_F(IntervalTest, BoundsTypedAtTheFirstShowAreSwappedIntoOrder) {
  AddExplicit("x^2");
  ShowInterval();
  EXPECT_EQ(panel->Caption(), "区間設定");
  EXPECT_EQ(panel->Layout(), PanelLayout::Interval);
  EXPECT_EQ(doc.IntervalMode, 1);
  EXPECT_EQ(timer.JobCode, job::IntervalEntry);
  hooks.answers = {"2", "1"};
  clock->advance(50);
  EXPECT_EQ(hooks.asked, (std::vector<std::string>{"区間の下限", "区間の上限"}));
  EXPECT_EQ(interval().LowerPanelText(), "1");
  EXPECT_EQ(interval().UpperPanelText(), "2");
  EXPECT_EQ(doc.IntervalLowerText, "1");
  EXPECT_EQ(interval().Lower(), 1);
  EXPECT_EQ(interval().Upper(), 2);
  EXPECT_EQ(timer.JobCode, job::IntervalStep);
  EXPECT_EQ(timer.Interval(), kReleasedInterval);
  clock->advance(2000);  // answered without a tick between: no step follows
  EXPECT_EQ(doc.IntervalLowerText, "1");
  EXPECT_EQ(interval().LowerPanelColor(), kPanelWhite);

  hooks.answers = {"5"};  // a click on the lower bound's panel
  interval().BoundPanelClick(false);
  EXPECT_EQ(interval().LowerPanelText(), "2");
  EXPECT_EQ(interval().UpperPanelText(), "5");
}

TEST_F(IntervalTest, CancellingABoundLeavesIntervalMode) {
  AddExplicit("x^2");
  ShowInterval();
  hooks.answers = {"2"};  // the upper bound is cancelled
  clock->advance(50);
  EXPECT_EQ(doc.IntervalMode, 0);
  EXPECT_EQ(doc.IntervalLowerText, "0");
  EXPECT_EQ(interval().LowerPanelText(), "0.000");
  // The panel's close keeps it open the first time, with the parameter layout.
  EXPECT_EQ(panel->Layout(), PanelLayout::Parameters);
  EXPECT_EQ(modes.PreviousAnimationMode, 6);
}

TEST_F(IntervalTest, BoundsWithAParameterAreMovedByItsRow) {
  AddExplicit("x^2");
  SetBounds("a", "a+2");
  ShowInterval();
  EXPECT_TRUE(doc.ParameterUsed[NodeCodeOfLetter('a')]);
  interval().StepButtonClick(kLowerPlus);
  EXPECT_EQ(panel->Layout(), PanelLayout::Parameters);
  EXPECT_EQ(modes.AnimationMode, 0);
  EXPECT_TRUE(panel->RowShown(Row('a')));
  EXPECT_EQ(doc.IntervalLowerText, "a");
  panel->StepOneParameter(Up('a'));
  EXPECT_EQ(pipeline.intervalRefreshes, 1);
  interval().EvaluateBounds();
  EXPECT_EQ(interval().Lower(), Extended(1.1f));
  EXPECT_EQ(interval().Upper(), Extended(1.1f) + 2);
}

TEST_F(IntervalTest, HeldStepButtonsRepeatOnTheTimer) {
  SetBounds("0", "1");
  ShowInterval();
  interval().StepButtonDown(kUpperPlus);
  clock->advance(400 + 350);  // two steps
  interval().StepButtonUp();
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(doc.IntervalUpperText, "1.200");
}

TEST_F(IntervalTest, MaximaAndMinimaOfTheFirstFunction) {
  struct Case {
    const char* function;
    Extended lower, upper;
    Extended maximum;
    std::vector<Extended> maxima;
    Extended minimum;
    std::vector<Extended> minima;
  } cases[] = {
      {"x^2", -1, 2, 4, {2}, 0, {0}},
      {"sin(x)", 0, kPi, 1, {kPi / 2}, 0, {0, kPi}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.function);
    ResetProgramStateForTest();
    MakeBareDrawingArea(kSize);
    AddExplicit(c.function);
    IntervalExtrema e = FindIntervalExtrema(c.lower, c.upper);
    ASSERT_TRUE(e.found);
    auto byX = [](const IntervalPoint& p, const IntervalPoint& q) { return p.x < q.x; };
    std::sort(e.maxima.begin(), e.maxima.end(), byX);
    std::sort(e.minima.begin(), e.minima.end(), byX);
    ASSERT_EQ(e.maxima.size(), c.maxima.size());
    ASSERT_EQ(e.minima.size(), c.minima.size());
    for (size_t i = 0; i < c.maxima.size(); ++i) {
      EXPECT_NEAR(static_cast<double>(e.maxima[i].x), static_cast<double>(c.maxima[i]), 1e-4);
      EXPECT_NEAR(static_cast<double>(e.maxima[i].y), static_cast<double>(c.maximum), 1e-6);
    }
    for (size_t i = 0; i < c.minima.size(); ++i) {
      EXPECT_NEAR(static_cast<double>(e.minima[i].x), static_cast<double>(c.minima[i]), 1e-4);
      EXPECT_NEAR(static_cast<double>(e.minima[i].y), static_cast<double>(c.minimum), 1e-6);
    }
  }
  ResetProgramStateForTest();
  EXPECT_FALSE(FindIntervalExtrema(-1, 1).found);  // no explicit function
}

TEST_F(IntervalTest, TheValueBoxWritesTheBoundsAndWhereTheExtremaAre) {
  AddExplicit("x^2");
  IntervalExtrema e = FindIntervalExtrema(1, 2.5L);
  EXPECT_EQ(IntervalValueBoxLines("1.000", "2.500", e),
            (std::array<std::string, 5>{sj("区間: 1≦x≦2.5"), sj("最大値 6.25"), "(x =2.5)", sj("最小値 1"), "(x =1)"}));
  doc.XAxisName = "t";
  e.maxima = {{1.5708L, 1}, {7.854L, 1}, {14.1372L, 1}};  // three equal maxima, as found
  e.minima = {{-0.0004L, -0.00001L}};
  const auto lines = IntervalValueBoxLines("0", "a+20.0", e);
  EXPECT_EQ(lines[0], sj("区間: 0≦t≦a+20.0"));  // a formula keeps its zeros
  EXPECT_EQ(lines[1], sj("最大値 1"));
  EXPECT_EQ(lines[2], sj("(t =1.571 , 7.854…)"));
  EXPECT_EQ(lines[3], sj("最小値 0"));
  EXPECT_EQ(lines[4], "(t =0)");
}

TEST_F(IntervalTest, TheBandLiesUnderTheCurvesAndTheLinesStyleDrawsOnlyTheBounds) {
  AddExplicit("4");  // rows about 10
  RedrawAll();
  gfx::RasterCanvas window(100, 100);
  render.WindowImage = &window;
  SetBounds("-1", "1");  // columns 40 to 60
  auto curveAt = [&](int x) {
    for (int y = 8; y <= 12; ++y)
      if (window.Pixel(x, y) == gfx::Color(0xFF0000)) return true;
    return false;
  };
  // Where no hatch line crosses it the curve keeps its colour over the band.
  auto bandKeepsTheCurve = [&] {
    int kept = 0;
    for (int x = 41; x < 60; ++x) kept += curveAt(x);
    return kept >= 10;
  };
  modes.IntervalMaxMinShown = 0;  // no marks on the curve
  interval().DrawInterval();
  EXPECT_TRUE(PaintedBelow(window, 50, 20));  // the hatch
  EXPECT_FALSE(PaintedBelow(window, 20, 20));
  EXPECT_TRUE(curveAt(20));
  EXPECT_TRUE(bandKeepsTheCurve());

  doc.IntervalStyle = 2;
  interval().DrawInterval();
  EXPECT_TRUE(PaintedBelow(window, 40, 20));
  EXPECT_TRUE(PaintedBelow(window, 60, 20));
  EXPECT_FALSE(PaintedBelow(window, 50, 20));
  EXPECT_TRUE(curveAt(50));  // no band

  modes.IntervalMaxMinShown = 1;
  doc.IntervalTextShown = 1;  // the value box at the top left, light yellow
  interval().DrawInterval();
  EXPECT_EQ(window.Pixel(8, 20), gfx::Color(0xD2FFFF));
  render.WindowImage = nullptr;
}

TEST_F(IntervalTest, OnThePrintPictureTheBandIsAHatchedRegion) {
  SetBounds("-1", "1");
  gfx::RasterCanvas paper(100, 100);
  settings.DrawToMetafile = 1;
  settings.MetafileCanvas = &paper;
  DrawIntervalRegion(BackCanvas());
  settings.DrawToMetafile = 0;
  settings.MetafileCanvas = nullptr;
  EXPECT_TRUE(PaintedBelow(paper, 50, 0));
  EXPECT_FALSE(PaintedBelow(paper, 20, 0));
  EXPECT_FALSE(PaintedBelow(paper, 80, 0));
}

}  // namespace
