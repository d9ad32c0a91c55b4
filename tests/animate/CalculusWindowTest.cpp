// The calculus window's logic run tick by tick on the hand-driven clock: the questions,
// B -> A and h -> 0 with their enlargement and zoom frame, the division count, the view
// history, and closing the window in the middle of its own steps.
#include <cmath>
#include <string>
#include <vector>

#include "CalculusFixture.h"
#include "animate/RiemannSums.h"
#include "platform/Runtime.h"

namespace {

TEST_F(CalculusTest, MeanRatePointsAreAskedThenBApproachesA) {
  Open(CalculusSet::MeanRate, "x^2", {"1", "2"});
  EXPECT_EQ(modes.AnimationMode, 3);
  EXPECT_EQ(timer.JobCode, job::MeanRateInput);
  EXPECT_FALSE(hooks.editing);
  clock->advanceToNextTick();
  EXPECT_EQ(hooks.asked, (std::vector<std::string>{"点Ａのｘ座標の入力", "点Ｂのｘ座標の入力"}));
  EXPECT_EQ(model->Ax.text, "1.0000");
  EXPECT_EQ(model->Ay.text, "1.0000000");
  EXPECT_EQ(model->Bx.text, "2.0000");
  EXPECT_EQ(model->By.text, "4.0000000");
  EXPECT_EQ(model->DeltaY, "3.0000000");
  EXPECT_EQ(model->DeltaX, "1.0000");
  EXPECT_EQ(model->Slope, "3.0000");
  EXPECT_EQ(doc.GridSettings.kind, 0);
  EXPECT_EQ(timer.JobCode, job::MeanRateStep);
  EXPECT_FALSE(timer.Enabled());

  model->StartClick(true);
  EXPECT_FALSE(hooks.graphEnabled);
  EXPECT_EQ(timer.Interval(), kFastInterval);
  std::vector<Extended> slopes;
  int ticks = 0;
  while (clock->advanceToNextTick()) {
    ++ticks;
    ASSERT_LT(ticks, 1000);
    slopes.push_back(rtl::StrToFloatDef(model->Slope, 0));
  }
  EXPECT_EQ(ticks, 266);
  EXPECT_NEAR(double(anim.MeanRateStart), 1.001, 1e-15);
  EXPECT_EQ(model->Slope, "2.0010");  // the difference quotient over 0.001, next to f'(1) = 2
  for (size_t i = 1; i < slopes.size(); ++i) EXPECT_LE(slopes[i], slopes[i - 1]);
  EXPECT_FALSE(model->StartDown);
  EXPECT_TRUE(model->RedoEnabled);
  EXPECT_TRUE(hooks.graphEnabled);

  // The view history gives B back.
  model->RedoClick();
  EXPECT_EQ(anim.MeanRateStart, 2);
  EXPECT_EQ(model->Slope, "3.0000");
  EXPECT_FALSE(model->RedoEnabled);
}

TEST_F(CalculusTest, PointQuestionsRepeatUntilFIsDefinedAndACancelClosesTheWindow) {
  Open(CalculusSet::MeanRate, "sqrt(x)", {"-1", "1+", "4", "4"});
  clock->advanceToNextTick();
  EXPECT_EQ(hooks.asked.size(), 4u);
  EXPECT_EQ(model->Slope, "********");  // A and B at the same x
  model->AskPointClick(true);           // cancelled: nothing changes
  EXPECT_EQ(model->Bx.text, "4.0000");
  EXPECT_EQ(model->Bx.colour, kValuePanelWhite);
  EXPECT_TRUE(model);

  model.reset();
  platform::RunDeferredActions();
  modes.MeanRateStarted = 0;
  doc.EntryCount = 0;
  const TViewRange view = doc.ViewRange;
  Open(CalculusSet::MeanRate, "x", {"1"});
  clock->advanceToNextTick();  // B is cancelled
  EXPECT_TRUE(model->Closed());
  EXPECT_EQ(modes.MeanRateStarted, 0);
  EXPECT_EQ(modes.AnimationMode, 6);
  EXPECT_EQ(doc.ViewRange, view);
  EXPECT_TRUE(hooks.editing);
  EXPECT_EQ(timer.JobCode, job::FreeCalculusWindow);
  clock->advanceToNextTick();
  EXPECT_FALSE(model);
  EXPECT_FALSE(timer.Enabled());
}

TEST_F(CalculusTest, WithBOnAStartComesBackUpAtOnce) {
  Open(CalculusSet::MeanRate, "sin(x)", {"0.5", "0.5"});
  clock->advanceToNextTick();
  EXPECT_EQ(model->Slope, "********");
  struct Changes : ModelView {
    int count = 0;
    void ModelChanged() override { ++count; }
  } view;
  model->SetWindow(&view);
  const int& changes = view.count;
  model->StartClick(true);
  EXPECT_FALSE(model->StartDown);
  EXPECT_GT(changes, 0);  // the window shows the button up again
  EXPECT_TRUE(hooks.graphEnabled);
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(model->Slope, "********");
  // A step that finds nothing to do ends the run too.
  model->StartClick(false);
  timer.Arm(job::MeanRateStep);
  clock->advanceToNextTick();
  EXPECT_FALSE(timer.Enabled());
  EXPECT_FALSE(model->StartDown);
}

TEST_F(CalculusTest, MeanRateOfTheSineAtAHalf) {
  Open(CalculusSet::MeanRate, "sin(x)", {"0.5", "1.5"});
  clock->advanceToNextTick();
  EXPECT_EQ(model->Ay.text, "0.4794255");
  EXPECT_EQ(model->By.text, "0.9974950");
  EXPECT_EQ(model->Slope, "0.5181");
}

TEST_F(CalculusTest, AutomaticEnlargementZoomsInsteadOfMoving) {
  Open(CalculusSet::MeanRate, "x^2", {"0", "0.4"});
  clock->advanceToNextTick();
  model->AutoLargeClick(true);
  model->StartClick(true);
  clock->advanceToNextTick();
  EXPECT_EQ(anim.MeanRateStart, 0.4L);  // not moved
  EXPECT_NEAR(double(doc.ViewRange.XMax - doc.ViewRange.XMin), 2.5, 1e-6);
  EXPECT_NEAR(double((doc.ViewRange.XMin + doc.ViewRange.XMax) / 2), 0, 1e-6);  // about A, centred
  EXPECT_EQ(pump.pumpCount(), 26);
  EXPECT_EQ(hooks.presented, 26);
  EXPECT_EQ(pump.totalSleep(), 26 * 50 + 100);
  EXPECT_TRUE(timer.Enabled());
  // The run goes on to its end, zooming whenever B comes closer than a twentieth.
  RunTimer();
  EXPECT_NEAR(double(anim.MeanRateStart), 0.001, 1e-15);
  EXPECT_LT(doc.ViewRange.XMax - doc.ViewRange.XMin, 0.05L);
  for (Extended x : {anim.MeanRateA, anim.MeanRateStart})
    EXPECT_TRUE(doc.ViewRange.XMin < x && x < doc.ViewRange.XMax) << double(x);
}

TEST_F(CalculusTest, ClosingDuringTheZoomFrameLeavesTheStepSafely) {
  Open(CalculusSet::MeanRate, "x^2", {"0", "0.4"});
  clock->advanceToNextTick();
  const TViewRange view = doc.ViewRange;
  model->AutoLargeClick(true);
  model->StartClick(true);
  pump.onPump = [this](int n) {
    if (n == 3) model->FormClose();  // the user closes the window between two frames
  };
  clock->advanceToNextTick();
  EXPECT_EQ(pump.pumpCount(), 3);
  ASSERT_TRUE(model);  // freed once no nested loop is open
  EXPECT_EQ(modes.AnimationMode, 6);
  EXPECT_EQ(doc.ViewRange, view);
  EXPECT_EQ(timer.JobCode, job::FreeCalculusWindow);
  EXPECT_TRUE(timer.Enabled());
  clock->advanceToNextTick();
  EXPECT_FALSE(model);
  EXPECT_FALSE(timer.Enabled());
}

TEST_F(CalculusTest, StartReleasedDuringTheZoomFrameStaysReleased) {
  Open(CalculusSet::MeanRate, "x^2", {"0", "0.4"});
  clock->advanceToNextTick();
  model->AutoLargeClick(true);
  model->StartClick(true);
  pump.onPump = [this](int n) {
    if (n == 2) model->StartClick(false);
  };
  clock->advanceToNextTick();
  EXPECT_EQ(pump.pumpCount(), 2);
  EXPECT_FALSE(timer.Enabled());
  EXPECT_FALSE(model->StartDown);
}

TEST_F(CalculusTest, MovingButtonsStepByATwentiethOfTheTickStep) {
  Open(CalculusSet::MeanRate, "x", {"0", "1"});
  clock->advanceToNextTick();
  eng.XTickStep = 1;
  model->MoveClick(kMoveARight);
  model->MoveClick(kMoveBLeft);
  EXPECT_EQ(model->Ax.text, "0.0500");
  EXPECT_EQ(model->Bx.text, "0.9500");
  model->MoveDown(kMoveBRight);
  clock->advance(400 + 350 + 200);
  model->MoveUp();
  EXPECT_EQ(model->Bx.text, "1.1000");
  EXPECT_FALSE(timer.Enabled());
  // Twenty moves make a whole tick step exactly, not a sum of rounded twentieths.
  for (int i = 0; i < 19; ++i) model->MoveClick(kMoveARight);
  EXPECT_EQ(anim.MeanRateA, 1);
}

TEST_F(CalculusTest, RiemannBoundsDivisionsAndSums) {
  Open(CalculusSet::Riemann, "x^2", {"0", "0", "-1", "1"});
  EXPECT_EQ(modes.AnimationMode, 2);
  EXPECT_EQ(timer.JobCode, job::CalculusInput);
  clock->advanceToNextTick();
  // b = 0 and b = -1 are not above a: asked again.
  EXPECT_EQ(hooks.asked, (std::vector<std::string>{"区間の下限", "区間の上限", "区間の上限", "区間の上限"}));
  EXPECT_EQ(anim.IntegralTexts[1], "0");
  EXPECT_EQ(anim.IntegralTexts[2], "1");
  EXPECT_EQ(model->Divisions, "2");
  EXPECT_EQ(timer.Interval(), kReleasedInterval);
  model->SumClick(kSumMaximum);
  EXPECT_EQ(model->SumText(kSumMaximum), "0.6250");
  for (int i = 0; i < 8; ++i) model->DivisionClick(true);
  EXPECT_EQ(model->Divisions, "10");
  for (int kind : {kSumMinimum, kSumTrapezoid, kSumSimpson, kSumLeft, kSumRight, kSumMidpoint}) model->SumClick(kind);
  EXPECT_EQ(model->SumText(kSumMaximum), "0.3850");
  EXPECT_EQ(model->SumText(kSumMinimum), "0.2850");
  EXPECT_EQ(model->SumText(kSumTrapezoid), "0.3350");
  EXPECT_EQ(model->SumText(kSumSimpson), "0.3333");
  EXPECT_EQ(model->SumText(kSumMidpoint), "0.3325");

  // Held, the count repeats faster and faster; its last step lands on the limit, and a
  // step beyond it is refused once.
  anim.RiemannDivisions = 9000;
  model->DivisionDown(true);
  clock->advance(400);
  EXPECT_EQ(anim.RiemannDivisions, 9900);
  clock->advance(350);
  EXPECT_EQ(anim.RiemannDivisions, 10000);
  EXPECT_EQ(model->Divisions, "10000");
  EXPECT_TRUE(hooks.messages.empty());
  clock->advance(200);
  EXPECT_EQ(anim.RiemannDivisions, 10000);
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(hooks.messages, (std::vector<std::string>{"分割数は 10000 までです。"}));
}

TEST_F(CalculusTest, RiemannWindowTakesUpASavedAnimation) {
  anim.IntegralTexts[1] = "0";
  anim.IntegralTexts[2] = "2";
  anim.RiemannDivisions = 4;
  settings.RiemannSumKind = kSumLeft;
  modes.RiemannStarted = 1;
  Open(CalculusSet::Riemann, "x", {});
  EXPECT_EQ(timer.JobCode, job::RiemannStep);
  EXPECT_FALSE(timer.Enabled());
  EXPECT_TRUE(hooks.asked.empty());
  EXPECT_EQ(model->Divisions, "4");
  EXPECT_EQ(model->SumText(kSumLeft), "1.5000");
}

TEST_F(CalculusTest, IntegralHToZeroEndsAtAThousandth) {
  Open(CalculusSet::Integral, "x", {"0", "1"});
  EXPECT_EQ(modes.AnimationMode, 4);
  clock->advanceToNextTick();
  EXPECT_EQ(model->Integral.S, "0.5000000");
  EXPECT_EQ(model->Integral.h, "1.000");
  EXPECT_EQ(model->Integral.mean, "0.5000");
  EXPECT_EQ(timer.JobCode, job::IntegralStep);
  model->TheoremClick(true);
  EXPECT_EQ(model->Integral.maximum, "1.0000");
  model->StartClick(true);
  const int ticks = RunTimer();
  EXPECT_EQ(ticks, 266);
  EXPECT_NEAR(double(anim.IntegralB), 0.001, 1e-15);
  EXPECT_EQ(model->Upper.text, "0.0010");
  EXPECT_EQ(anim.IntegralTexts[4], "0.0010");
  EXPECT_EQ(model->Integral.h, "0.001");
  EXPECT_EQ(model->Integral.mean, "0.0005");  // S / h tends to f(a) = 0
  model->RedoClick();
  EXPECT_EQ(model->Upper.text, "1.000");
  EXPECT_EQ(anim.IntegralB, 1);
}

TEST_F(CalculusTest, ZoomButtonsGoAboutTheMovingPoint) {
  Open(CalculusSet::Integral, "x+1", {"0", "2"});
  clock->advanceToNextTick();
  Extended x = 0, y = 0;
  ASSERT_TRUE(model->AnimationPoint(x, y));
  EXPECT_EQ(x, 2);
  EXPECT_EQ(y, 3);
}

}  // namespace
