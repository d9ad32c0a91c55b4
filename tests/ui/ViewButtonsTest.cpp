#include "ui/ViewButtons.h"

#include <gtest/gtest.h>

#include <numbers>

#include "UiStateFixture.h"
#include "animate/TimerJobs.h"
#include "platform/Timer.h"
#include "render/DrawToolkitMapping.h"
#include "render/RenderState.h"
#include "render/SpaceView.h"
#include "ui/GraphViewHooks.h"

namespace {

constexpr Extended kPi = std::numbers::pi_v<Extended>;

// The view buttons over a space document, with a timer driven by hand.
class ViewButtons : public UiStateTest {
 protected:
  void SetUp() override {
    UiStateTest::SetUp();
    ResetRenderState();
    auto backend = std::make_unique<platform::FakeTimerBackend>();
    timer = backend.get();
    Timer1().SetBackend(std::move(backend));
    Timer1().JobCode = job::StepOneParameter;
    InstallViewButtonJobs(true);
    ResetSpaceView();
    doc.Dimension = 3;
    doc.GraphWidth = doc.GraphHeight = 300;
    UpdatePixelSize(0);
    UpdateCamera();
    modes.AnimationMode = 0;
  }
  void TearDown() override {
    InstallViewButtonJobs(false);
    Timer1().SetBackend(nullptr);
    ResetRenderState();
    UiStateTest::TearDown();
  }
  void Click(int code) {
    ViewButtonPress(code);
    ViewButtonRelease();
    ViewButtonClick(code);
  }
  platform::FakeTimerBackend* timer = nullptr;
};

TEST_F(ViewButtons, AClickMakesOneStep) {
  const Extended phi = doc.CameraPhi;
  Click(1);
  EXPECT_NEAR(static_cast<double>(doc.CameraPhi - phi), static_cast<double>(kPi / 80), 1e-15);
  EXPECT_FALSE(Timer1().Enabled());
  EXPECT_EQ(Timer1().Interval(), kViewReleaseInterval);
  EXPECT_FALSE(timer->advanceToNextTick());
  EXPECT_NEAR(static_cast<double>(doc.CameraPhi - phi), static_cast<double>(kPi / 80), 1e-15);
  Click(15);
  EXPECT_EQ(doc.CameraDistance, 28);
  EXPECT_EQ(spaceView.Distance, 28);
}

TEST_F(ViewButtons, AHeldButtonRepeatsUntilReleased) {
  const Extended theta = doc.CameraTheta;
  ViewButtonPress(2);
  EXPECT_EQ(Timer1().JobCode, job::View3DStep);
  EXPECT_EQ(Timer1().Interval(), kViewHoldInterval);
  ASSERT_TRUE(timer->advanceToNextTick());
  ASSERT_TRUE(timer->advanceToNextTick());
  EXPECT_NEAR(static_cast<double>(doc.CameraTheta - theta), static_cast<double>(2 * kPi / 80), 1e-15);
  EXPECT_EQ(ui.SubFormOpen, 1);
  ViewButtonRelease();
  ViewButtonClick(2);  // the click after a held repeat adds nothing
  ASSERT_TRUE(timer->advanceToNextTick());
  EXPECT_NEAR(static_cast<double>(doc.CameraTheta - theta), static_cast<double>(2 * kPi / 80), 1e-15);
  EXPECT_FALSE(Timer1().Enabled());
  EXPECT_EQ(Timer1().JobCode, job::StepOneParameter);
  EXPECT_EQ(ui.SubFormOpen, 0);
}

TEST_F(ViewButtons, NothingDuringTheTangentAnimation) {
  modes.AnimationMode = 5;
  const Extended phi = doc.CameraPhi;
  Click(0);
  EXPECT_EQ(doc.CameraPhi, phi);
  EXPECT_EQ(Timer1().JobCode, job::StepOneParameter);
}

TEST_F(ViewButtons, PlaneStepsGoToTheZoomAndTheResetToItsView) {
  static int zoomed = -1;
  GraphViewHooks.zoomAndRedraw = [](int code) { zoomed = code; };
  doc.Dimension = 2;
  Click(9);
  EXPECT_EQ(zoomed, 9);
  GraphViewHooks.zoomAndRedraw = nullptr;
  doc.ViewRange = {-1, 1, -1, 1};
  ResetViewClick();
  EXPECT_EQ(doc.ViewRange, TViewRange{});
  // In space the reset restores the camera and keeps the display options.
  doc.Dimension = 3;
  doc.CameraPhi = 1;
  doc.RangeBoxShown = 1;
  ResetViewClick();
  EXPECT_EQ(doc.CameraPhi, 0.24375L * kPi);
  EXPECT_EQ(doc.RangeBoxShown, 1);
}

}  // namespace
