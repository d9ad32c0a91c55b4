#include "support/FakeTimerBackend.h"
#include "ui/GraphViewButtons.h"

#include <gtest/gtest.h>

#include <memory>
#include <numbers>

#include "animate/TimerJobs.h"
#include "formula/DocumentState.h"
#include "RedrawCountFixture.h"
#include "render/SpaceView.h"

namespace {

constexpr Extended kPi = std::numbers::pi_v<Extended>;

class GraphViewButtonsTest : public RedrawCountTest {
 protected:
  void SetUp() override {
    RedrawCountTest::SetUp();
    doc.GraphWidth = doc.GraphHeight = 200;
    timer.JobCode = job::StepAllParameters;
  }

  platform::FakeTimerBackend* backend = new platform::FakeTimerBackend;
  TimerJobs timer{std::unique_ptr<platform::TimerBackend>(backend)};
  GraphViewButtons buttons{timer};
};

TEST_F(GraphViewButtonsTest, AClickMakesOneStep) {
  // The click comes after the release, before the first repeat.
  buttons.Press(5);
  buttons.Release();
  buttons.Click(5);
  EXPECT_EQ(Redraws(), 1);
  EXPECT_NEAR(doc.ViewRange.XMax, 3.5355339L, 1e-6);
  EXPECT_FALSE(timer.Enabled());
  backend->advance(1000);
  EXPECT_EQ(Redraws(), 1);
}

TEST_F(GraphViewButtonsTest, AHeldButtonRepeatsUntilItsRelease) {
  buttons.Press(1);  // pan right
  EXPECT_EQ(timer.JobCode, job::View2DStep);
  EXPECT_EQ(timer.Interval(), kViewHoldInterval);
  backend->advance(3 * kViewHoldInterval);
  EXPECT_EQ(Redraws(), 3);
  EXPECT_NEAR(doc.ViewRange.XMin, -3.5L, 1e-6);
  EXPECT_EQ(ui.SubFormOpen, 1);
  buttons.Release();
  buttons.Click(1);  // no step of its own after a repeat
  backend->advance(kViewHoldInterval);
  EXPECT_EQ(Redraws(), 3);
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(timer.JobCode, job::StepAllParameters);
  EXPECT_EQ(timer.Interval(), kViewReleaseInterval);
  EXPECT_EQ(ui.SubFormOpen, 0);
}

TEST_F(GraphViewButtonsTest, NothingDuringTheTangentAnimation) {
  modes.AnimationMode = 5;
  buttons.Press(5);
  buttons.Click(5);
  buttons.Release();
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(doc.ViewRange, TViewRange{});
}

TEST_F(GraphViewButtonsTest, SpaceStepsTurnTheViewWithinItsLimits) {
  doc.Dimension = 3;
  struct Case {
    int code;
    Extended theta, phi;
    int shading;
    Extended theta2, phi2;
    int shading2;
  };
  const Extended top = 2 * kPi / 5, low = kPi / 80;
  const Case cases[] = {
      {2, top - 0.01L, 0, 15, top, 0, 15},
      {3, low + 0.001L, 0, 15, low, 0, 15},
      {1, 0.5L, kPi - 0.01L, 15, 0.5L, -kPi + kPi / 80 - 0.01L, 15},
      {0, 0.5L, -kPi + 0.01L, 15, 0.5L, kPi - kPi / 80 + 0.01L, 15},
      {13, 0.5L, 0, 30, 0.5L, 0, 30},
      {14, 0.5L, 0, 5, 0.5L, 0, 5},
      {13, 0.5L, 0, 20, 0.5L, 0, 21},
  };
  for (const Case& c : cases) {
    doc.CameraTheta = c.theta;
    doc.CameraPhi = c.phi;
    doc.ShadingLevel = c.shading;
    ViewButtonStep(c.code);
    EXPECT_NEAR(doc.CameraTheta, c.theta2, 1e-12) << c.code;
    EXPECT_NEAR(doc.CameraPhi, c.phi2, 1e-12) << c.code;
    EXPECT_EQ(doc.ShadingLevel, c.shading2) << c.code;
  }
  // The range and the camera with it, kept to the range's steps.
  ResetSpaceView();
  const Extended range = doc.SpaceRange;
  ViewButtonStep(5);
  EXPECT_LT(doc.SpaceRange, range);
  ViewButtonStep(4);
  EXPECT_EQ(doc.SpaceRange, range);
}

TEST_F(GraphViewButtonsTest, TheStandardAndTheOneToOneView) {
  doc.GraphWidth = 400;
  doc.ViewRange = TViewRange{1, 2, 3, 4};
  settings.UnitSizeMode = 0;
  Timer1().SetEnabled(true);  // "O" stops whatever the timer repeats
  origiClick();
  EXPECT_EQ(doc.ViewRange, (TViewRange{-10, 10, -5, 5}));
  EXPECT_EQ(settings.UnitSizeMode, 1);
  EXPECT_FALSE(Timer1().Enabled());

  doc.ViewRange = TViewRange{-1, 1, -2, 2};
  hiritu1Click();
  EXPECT_EQ(doc.ViewRange, (TViewRange{-4, 4, -2, 2}));
}

}  // namespace
