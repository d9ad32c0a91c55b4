#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "TangentFixture.h"
#include "animate/TangentPicture.h"
#include "formula/AnimationState.h"
#include "formula/Parser.h"
#include "render/DrawToolkit.h"
#include "render/RedrawPipeline.h"

namespace {

TEST(TangentStepWidth, IsThePixelSizeToOneShortDecimal) {
  struct Row {
    Extended pixel, dx;
  };
  for (const Row& r : std::vector<Row>{{0.0123L, 0.01L},
                                       {0.02L, 0.02L},
                                       {0.0149L, 0.01L},
                                       {0.5L, 0.5L},
                                       {1.5L, 2},  // half to even
                                       {20, 20},
                                       {3e-7L, 3e-7L}})
    EXPECT_NEAR(static_cast<double>(TangentStepWidth(r.pixel)), static_cast<double>(r.dx),
                static_cast<double>(r.dx) * 1e-12)
        << static_cast<double>(r.pixel);
  for (Extended bad :
       {0.0L, -0.02L, std::numeric_limits<Extended>::infinity(), std::numeric_limits<Extended>::quiet_NaN()})
    EXPECT_EQ(TangentStepWidth(bad), 0) << static_cast<double>(bad);
}

TEST(TangentSigns, OnlyStrictlyOppositeSignsChange) {
  EXPECT_TRUE(OppositeSigns(-1, 2));
  EXPECT_TRUE(OppositeSigns(1e-300L, -1e-300L));
  EXPECT_FALSE(OppositeSigns(0, -1));
  EXPECT_FALSE(OppositeSigns(1, 0));
  EXPECT_FALSE(OppositeSigns(2, 3));
}

TEST_F(TangentTest, ThePointMovesAlongTheSeenPartOfTheCurve) {
  // x^2 is in the view for |x| <= 2.236, its slope 2x for |x| <= 2.5.
  Open("x^2");
  EXPECT_EQ(model->StepWidth(), 0.02L);
  ASSERT_TRUE(model->MovesEnabled());
  EXPECT_NEAR(static_cast<double>(model->Range().start), -2.5, 1e-9);
  EXPECT_NEAR(static_cast<double>(model->Range().end), 2.5, 1e-9);
  EXPECT_NEAR(static_cast<double>(X()), -2.5, 1e-9);
  EXPECT_EQ(model->XText(), "-2.5000");
  EXPECT_EQ(model->YText(), "6.2500");
  EXPECT_EQ(model->SlopeText(), "-5.0000");
  EXPECT_EQ(modes.AnimationMode, 5);
  EXPECT_EQ(model->Move(), TangentMove::Stopped);
  EXPECT_EQ(hooks.panelClosed, 1);
  EXPECT_EQ(hooks.dragShiftOff, 1);
  EXPECT_EQ(hooks.graphEditingOff, 1);
}

TEST_F(TangentTest, TheWalksStartOnTheTickGridAndStayInTheView) {
  doc.ViewRange = {-4.99L, 5.01L, -5, 5};
  UpdatePixelSize(1);
  // Grid points tick + whole steps nearest to the bounds, moved inside.
  EXPECT_NEAR(static_cast<double>(TangentGridStart(-4.99L, 1, 0.02L, true)), -4.98, 1e-12);
  EXPECT_NEAR(static_cast<double>(TangentGridStart(5.01L, 1, 0.02L, false)), 5.0, 1e-12);
  EXPECT_NEAR(static_cast<double>(TangentGridStart(-5, 1, 0.02L, true)), -5.0, 1e-12);
  // Neither 10x + 100 nor its slope 10 is ever in the view.
  Open("10x+100");
  EXPECT_FALSE(model->MovesEnabled());
  EXPECT_EQ(model->XText(), kNoValueText);
}

TEST_F(TangentTest, PStartsWhereFIsDefinedEvenWithoutASlope) {
  // sqrt(x): f(0) = 0 is in the view, f'(0) is not defined.
  Open("sqrt(x)");
  EXPECT_EQ(model->Range().start, 0);
  EXPECT_EQ(X(), 0);
  EXPECT_EQ(model->XText(), "0.0000");
  EXPECT_EQ(model->YText(), "0.0000");
  EXPECT_EQ(model->SlopeText(), kNoValueText);
  model->PmoveClick(1);
  EXPECT_NEAR(static_cast<double>(X()), 0.02, 1e-15);
  EXPECT_EQ(model->SlopeText(), "3.5355");  // 1 / (2 sqrt(0.02))
  model->PmoveClick(-1);
  EXPECT_EQ(model->SlopeText(), kNoValueText);
  EXPECT_EQ(Pauses(), 0);
  // Views whose walks start off the integers still meet 0 itself.
  for (const TViewRange& view : {TViewRange{-4.99L, 5.01L, -5, 5}, TViewRange{-4.87573L, 5.12427L, -5, 5}}) {
    model->FormClose();
    doc.ViewRange = view;
    UpdatePixelSize(1);
    Open("sqrt(x)");
    EXPECT_EQ(model->Range().start, 0) << double(view.XMin);
  }
}

TEST_F(TangentTest, AFunctionDefinedNowhereInTheViewOpensWithoutAPoint) {
  Open("sqrt(-1-x^2)");
  EXPECT_FALSE(model->MovesEnabled());
  EXPECT_FALSE(model->Point().defined);
  EXPECT_EQ(model->XText(), kNoValueText);
  EXPECT_EQ(model->YText(), kNoValueText);
  EXPECT_EQ(model->SlopeText(), kNoValueText);
  EXPECT_EQ(copiesToGraph, 1);  // the background is shown all the same
  model->mpButtonclick(1);
  model->PMouseDown(1);
  EXPECT_FALSE(timer.Enabled());
  model->PmoveClick(1);
  model->psescoodinateClick(0, 0);
  EXPECT_TRUE(hooks.asked.empty());
  EXPECT_EQ(pump.pumpCount(), 0);
}

TEST_F(TangentTest, OnTheTimerEachTickIsOneStep) {
  Open("x^2");
  model->mpButtonclick(1);
  EXPECT_EQ(model->Move(), TangentMove::Right);
  EXPECT_EQ(timer.JobCode, job::TangentStep);
  EXPECT_EQ(timer.Interval(), kTick);
  clock->advance(10 * kTick);
  EXPECT_NEAR(static_cast<double>(X()), -2.3, 1e-9);
  EXPECT_EQ(model->XText(), "-2.3000");
  EXPECT_EQ(model->SlopeText(), "-4.6000");
  EXPECT_EQ(pump.pumpCount(), 11);  // each drawing lets events run, the first one too
  EXPECT_EQ(anim.TangentPauseValue, X());
  model->mpButtonclick(-1);
  clock->advance(4 * kTick);
  EXPECT_NEAR(static_cast<double>(X()), -2.38, 1e-9);
  model->StopClick();
  EXPECT_EQ(model->Move(), TangentMove::Stopped);
  EXPECT_FALSE(timer.Enabled());
}

TEST_F(TangentTest, AHeldButtonRepeatsAfterAPauseAndAClickIsOneStep) {
  Open("x^2");
  model->PMouseDown(1);
  clock->advance(kReleasedInterval - 1);
  EXPECT_NEAR(static_cast<double>(X()), -2.5, 1e-9);  // a quick click ends here
  clock->advance(1 + 3 * kTick);
  EXPECT_NEAR(static_cast<double>(X()), -2.42, 1e-9);
  model->PMouseUp();
  EXPECT_FALSE(timer.Enabled());
  model->PmoveClick(1);  // the click that ends the hold
  EXPECT_NEAR(static_cast<double>(X()), -2.40, 1e-9);
  model->PmoveClick(-1);
  model->PmoveClick(-1);
  EXPECT_NEAR(static_cast<double>(X()), -2.44, 1e-9);
  clock->advance(1000);
  EXPECT_NEAR(static_cast<double>(X()), -2.44, 1e-9);
}

TEST_F(TangentTest, AtTheEndOfItsRangeThePointStops) {
  Open("x^2");
  model->mpButtonclick(-1);
  EXPECT_EQ(RunTimer(), 1);
  EXPECT_NEAR(static_cast<double>(X()), -2.5, 1e-9);
  EXPECT_EQ(model->Move(), TangentMove::Stopped);
  model->mpButtonclick(1);
  const int ticks = RunTimer();
  EXPECT_NEAR(ticks, 250, 2);
  EXPECT_NEAR(static_cast<double>(X()), 2.5, 1e-9);
  EXPECT_EQ(model->Move(), TangentMove::Stopped);
}

// Moving across each stationary point of x^3 - 3x (at -1 and 1) P stops on it once,
// shows the slope 0 and pauses one second, then goes on.
TEST_F(TangentTest, ThePointPausesOnceOnEachStationaryPointBothWays) {
  for (int direction : {1, -1}) {
    SCOPED_TRACE(direction);
    Open("x^3-3x");
    if (direction < 0) {
      model->mpButtonclick(1);
      RunTimer();
    }
    std::vector<Extended> pausedAt;
    std::vector<std::string> slopes;
    pump.onPump = [&](int) {
      if (model->Slope() == 0) {
        pausedAt.push_back(X());
        slopes.push_back(model->SlopeText());
      }
    };
    const int sleepsBefore = Pauses();
    model->mpButtonclick(direction);
    const int ticks = RunTimer();
    EXPECT_LT(ticks, 300);
    EXPECT_EQ(Pauses() - sleepsBefore, 2);
    ASSERT_EQ(pausedAt.size(), 2u);
    EXPECT_NEAR(static_cast<double>(pausedAt[0]), -direction, 1e-5);
    EXPECT_NEAR(static_cast<double>(pausedAt[1]), direction, 1e-5);
    EXPECT_EQ(slopes, (std::vector<std::string>{"0.0000", "0.0000"}));
    EXPECT_EQ(X(), direction > 0 ? model->Range().end : model->Range().start);
    pump.onPump = nullptr;
    model->FormClose();
  }
}

// So steep that the bisected point's slope still shows: P must leave it on the side it was
// going to.
TEST_F(TangentTest, ASteepStationaryPointIsPassedEvenWhenItsSlopeShows) {
  Open("10000(x-0.0051)^2");
  ASSERT_NEAR(static_cast<double>(model->Range().end - model->Range().start), 0.02, 1e-9);
  model->mpButtonclick(1);
  EXPECT_LT(RunTimer(), 10);
  EXPECT_EQ(X(), model->Range().end);
}

TEST_F(TangentTest, LeavingAStationaryPointEitherWayNeedsNoExtraStep) {
  // f' = 2x - 0.0003 is 0 at 0.00015, between two steps.
  constexpr double kRoot = 0.00015;
  Open("x^2-0.0003x");
  model->psescoodinateClick(0, 0);  // cancelled: nothing moves
  EXPECT_EQ(hooks.asked, std::vector<std::string>{"点Ｐのｘ座標の入力"});
  hooks.answers = {"-0.01"};
  model->psescoodinateClick(0, 0);
  model->PmoveClick(1);  // across the root
  EXPECT_EQ(model->Slope(), 0);
  EXPECT_EQ(model->SlopeText(), "0.0000");
  EXPECT_NEAR(static_cast<double>(X()), kRoot, 1e-6);
  EXPECT_EQ(Pauses(), 1);
  model->PmoveClick(-1);  // back off it at once
  EXPECT_NEAR(static_cast<double>(X()), kRoot - 0.02, 1e-6);
  model->PmoveClick(1);  // and onto it again
  EXPECT_NEAR(static_cast<double>(X()), kRoot, 1e-6);
  EXPECT_EQ(Pauses(), 2);
  model->PmoveClick(1);
  EXPECT_NEAR(static_cast<double>(X()), kRoot + 0.02, 1e-6);
  EXPECT_EQ(Pauses(), 2);
}

TEST_F(TangentTest, AFlatStretchPausesOnArrivalNotAtEveryStep) {
  Open("3");
  model->mpButtonclick(1);
  RunTimer();
  EXPECT_EQ(model->SlopeText(), "0.0000");
  EXPECT_EQ(Pauses(), 0);
}

TEST_F(TangentTest, TheTypedXIsAskedAgainUntilTheTangentIsDefinedThere) {
  Open("1/x^2");
  hooks.answers = {"0", "0.5"};
  struct PanelColours : ModelView {
    const TangentModel* model = nullptr;
    std::vector<uint32_t> colours;
    void ModelChanged() override { colours.push_back(model->XPanelColor()); }
  } view;
  view.model = model.get();
  model->SetWindow(&view);
  const std::vector<uint32_t>& panel = view.colours;
  model->psescoodinateClick(0, 0);
  EXPECT_EQ(hooks.asked.size(), 2u);
  EXPECT_EQ(model->XText(), "0.5000");
  EXPECT_EQ(model->SlopeText(), "-16.0000");
  EXPECT_NE(std::find(panel.begin(), panel.end(), kTangentPanelEditing), panel.end());
  EXPECT_EQ(model->XPanelColor(), kTangentPanelWhite);
  // Across the pole the slope changes its sign, but f' is undefined on the way: no
  // stationary point there.
  hooks.answers = {"-0.01"};
  model->psescoodinateClick(0, 0);
  model->PmoveClick(1);
  EXPECT_NEAR(static_cast<double>(X()), 0.01, 1e-9);
  EXPECT_EQ(Pauses(), 0);
}

// Closing the window while a drawing lets events run: the step ends there, without the
// pause, the timer stays off, and the released trees are never used again.
TEST_F(TangentTest, ClosingDuringTheDrawingsOwnPumpEndsTheStep) {
  Open("x^2");
  model->mpButtonclick(1);
  pump.onPump = [&](int) {
    if (model->Slope() == 0) model->FormClose();
  };
  RunTimer();
  EXPECT_FALSE(model->TangentNaviOpen());
  EXPECT_EQ(Pauses(), 0);
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(modes.AnimationMode, 6);
  // Opened again meanwhile: the old step leaves the new showing alone.
  model->OpenTangentNavi();
  model->FormShow();
  bool reopened = false;
  pump.onPump = [&](int) {
    if (reopened) return;
    reopened = true;
    model->FormClose();
    model->OpenTangentNavi();
    model->FormShow();
  };
  model->mpButtonclick(1);
  clock->advance(kTick);
  EXPECT_TRUE(reopened);
  EXPECT_TRUE(model->TangentNaviOpen());
  EXPECT_NEAR(static_cast<double>(X()), -2.5, 1e-9);
  EXPECT_EQ(model->Move(), TangentMove::Stopped);
  EXPECT_FALSE(timer.Enabled());
}

TEST_F(TangentTest, ClosingGivesTheGraphBackAndThePanelWhenParametersAreUsed) {
  SetFunction("x^2+a");
  doc.FigureTable[1].penWidth = 3;
  doc.ParametersInUse = 1;
  model->OpenTangentNavi();
  model->FormShow();
  model->mpButtonclick(1);
  model->FormClose();
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(timer.Interval(), kFastInterval);
  EXPECT_EQ(modes.AnimationMode, 6);
  EXPECT_EQ(hooks.graphEditingOn, 1);
  EXPECT_EQ(hooks.dragShiftOn, 1);
  EXPECT_EQ(hooks.panelShown, 1);
  EXPECT_EQ(doc.FigureTable[1].penWidth, 3);
  model->FormClose();  // once only
  EXPECT_EQ(hooks.panelShown, 1);
}

}  // namespace
