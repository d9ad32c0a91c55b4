#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "animate/TimerJobs.h"
#include "platform/EventPump.h"
#include "support/FakeTimerBackend.h"
#include "support/StateFixture.h"

using platform::FakeTimerBackend;

namespace {

// A timer over the hand-driven clock, with every job that takes an action registered to
// record what it saw when it ran.
struct Jobs : StateTest {
  TimerJobs timer;
  FakeTimerBackend* clock = nullptr;
  struct Seen {
    int job;
    uint8_t jobCode;
    bool enabled;
    int64_t at;
  };
  std::vector<Seen> ran;

  void SetUp() override {
    StateTest::SetUp();
    platform::RunDeferredActions();
    auto backend = std::make_unique<FakeTimerBackend>();
    clock = backend.get();
    timer.SetBackend(std::move(backend));
    for (int code : {0, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 16, 19, 25}) Register(code);
  }
  void TearDown() override {
    platform::RunDeferredActions();
    StateTest::TearDown();
  }
  void Register(int code) {
    timer.SetJobAction(static_cast<uint8_t>(code), [this, code] {
      ran.push_back({code, timer.JobCode, timer.Enabled(), clock->now()});
    });
  }
  std::vector<int> RanJobs() const {
    std::vector<int> jobs;
    for (const Seen& s : ran) jobs.push_back(s.job);
    return jobs;
  }
  std::vector<int64_t> RanAt() const {
    std::vector<int64_t> at;
    for (const Seen& s : ran) at.push_back(s.at);
    return at;
  }
};

TEST_F(Jobs, EachCodeDoesItsOneJob) {
  struct Row {
    int code;
    bool actionRuns;
    int jobCodeAfter;  // -1: unchanged
    bool enabledAfter;
    int intervalAfter;
    int subFormOpenAfter;
  } rows[] = {
      {0, true, 26, false, 50, 0},   // start-up continuation, then idle
      {2, true, -1, false, 50, 0},   // entry input: the timer is off before it asks
      {3, true, 26, true, 50, 0},    // interval entry: idle before it asks
      {4, true, -1, true, 350, 0},   // accelerating repeats
      {5, true, -1, false, 50, 0},
      {6, true, -1, true, 350, 0},
      {7, true, -1, true, 50, 1},    // view steps mark a sub-window open
      {8, true, -1, true, 50, 1},
      {10, true, -1, true, 350, 0},
      {11, true, -1, false, 50, 0},
      {12, true, -1, true, 50, 0},
      {13, true, -1, true, 350, 0},
      {14, true, -1, true, 50, 0},
      {16, true, -1, true, 50, 0},
      {19, true, -1, true, 350, 0},
      {25, true, -1, true, 50, 0},
      {20, false, -1, false, 50, 0},  // frees: timer off
      {22, false, -1, false, 50, 0},
      {23, false, -1, false, 50, 0},
      {24, false, -1, false, 50, 0},
      {26, false, -1, false, 50, 0},  // idle
      {1, false, -1, false, 50, 0},   // codes nobody selects
      {9, false, -1, false, 50, 0},
      {15, false, -1, false, 50, 0},
      {17, false, -1, false, 50, 0},
      {21, false, -1, false, 50, 0},
      {27, false, -1, false, 50, 0},
      {200, false, -1, false, 50, 0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.code);
    ran.clear();
    ui.SubFormOpen = 0;
    timer.AutoRepeatCount = 0;
    timer.SetInterval(50);
    timer.Arm(static_cast<uint8_t>(r.code));
    ASSERT_TRUE(clock->advanceToNextTick());
    EXPECT_EQ(ran.size(), r.actionRuns ? 1u : 0u);
    EXPECT_EQ(timer.JobCode, r.jobCodeAfter < 0 ? r.code : r.jobCodeAfter);
    EXPECT_EQ(timer.Enabled(), r.enabledAfter);
    EXPECT_EQ(timer.Interval(), r.intervalAfter);
    EXPECT_EQ(ui.SubFormOpen, r.subFormOpenAfter);
    if (r.actionRuns) {
      // What the action saw: jobs that ask modally find the timer off or idle already.
      EXPECT_EQ(ran[0].enabled, r.code != 0 && r.code != 2 && r.code != 5 && r.code != 11);
      if (r.code == 0 || r.code == 3) {
        EXPECT_EQ(ran[0].jobCode, 26);
      }
    }
    timer.SetEnabled(false);
  }
}

TEST_F(Jobs, AJobWithoutAnActionOnlySwitchesTheTimerOff) {
  timer.SetJobAction(job::MeanRateStep, nullptr);
  timer.SetJobAction(job::StepOneParameter, nullptr);
  for (uint8_t code : {job::MeanRateStep, job::StepOneParameter}) {
    timer.SetInterval(400);
    timer.Arm(code);
    clock->advance(400);
    EXPECT_FALSE(timer.Enabled());
    EXPECT_EQ(timer.Interval(), 400);  // no acceleration either
    EXPECT_EQ(timer.JobCode, code);
  }
  EXPECT_TRUE(ran.empty());
}

TEST_F(Jobs, StartUpRunsOnceAndLeavesTheTimerIdle) {
  timer.Arm(job::Startup);
  clock->advance(10000);
  EXPECT_EQ(RanJobs(), std::vector<int>{0});
  EXPECT_EQ(RanAt(), std::vector<int64_t>{50});
  EXPECT_EQ(timer.JobCode, job::Idle);
  EXPECT_FALSE(timer.Enabled());
}

TEST_F(Jobs, HoldingAcceleratesFrom350To200To50AndReleaseRestores400) {
  timer.StopAutoRepeat();
  EXPECT_EQ(timer.Interval(), 400);
  timer.Arm(job::StepOneParameter);  // the click's own step came at 0
  clock->advance(1100);
  EXPECT_EQ(RanAt(), (std::vector<int64_t>{400, 750, 950, 1000, 1050, 1100}));
  EXPECT_EQ(timer.AutoRepeatCount, 3);
  EXPECT_EQ(timer.Interval(), 50);
  timer.StopAutoRepeat();
  EXPECT_EQ(timer.AutoRepeatCount, 0);
  EXPECT_EQ(timer.Interval(), 400);
  EXPECT_FALSE(timer.Enabled());
  clock->advance(5000);
  EXPECT_EQ(ran.size(), 6u);
}

TEST_F(Jobs, ArmingARunningTimerKeepsItsCountdown) {
  timer.SetInterval(400);
  timer.Arm(job::MeanRateStep);
  clock->advance(300);
  timer.Arm(job::TangentStep);  // another job selected: the tick still comes at 400
  timer.SetInterval(400);
  clock->advance(100);
  EXPECT_EQ(RanJobs(), std::vector<int>{14});
  EXPECT_EQ(RanAt(), std::vector<int64_t>{400});
}

TEST_F(Jobs, AHeldViewButtonReturnsToTheSavedJobOnRelease) {
  timer.JobCode = job::MeanRateStep;
  timer.HoldViewButton(false);
  EXPECT_EQ(timer.SavedJobCode, job::MeanRateStep);
  EXPECT_EQ(timer.JobCode, job::View2DStep);
  EXPECT_EQ(timer.Interval(), 200);
  clock->advance(400);
  EXPECT_EQ(RanJobs(), (std::vector<int>{7, 7}));
  EXPECT_EQ(ui.SubFormOpen, 1);
  timer.ReleaseViewButton();
  clock->advance(200);
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(timer.JobCode, job::MeanRateStep);
  EXPECT_EQ(timer.Interval(), 100);
  EXPECT_EQ(ui.SubFormOpen, 0);
  EXPECT_EQ(ran.size(), 2u);  // the release tick ran no view step

  // Space, pressed again before the release tick: the first saved job is kept.
  timer.HoldViewButton(true);
  timer.ReleaseViewButton();
  timer.HoldViewButton(true);
  EXPECT_EQ(timer.SavedJobCode, job::MeanRateStep);
  EXPECT_EQ(timer.JobCode, job::View3DStep);
}

TEST_F(Jobs, AFailingStepStopsTheTimerInsteadOfRepeating) {
  for (uint8_t code : {job::StepOneParameter, job::StepAllParameters, job::TangentStep}) {
    SCOPED_TRACE(int(code));
    int calls = 0;
    timer.SetJobAction(code, [&] {
      ++calls;
      throw std::runtime_error("formula failed");
    });
    eng.EvalDrawable = 1;
    timer.Arm(code);
    clock->advance(2000);
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(timer.Enabled());
    EXPECT_EQ(eng.EvalDrawable, code == job::TangentStep ? 1 : 0);
  }
}

TEST_F(Jobs, AClosedWindowIsFreedOnceEvenWhenAnotherJobTakesTheTimer) {
  int freed = 0;
  timer.FreeAfterClose(job::FreeCalculusWindow, [&] { ++freed; });
  EXPECT_EQ(timer.JobCode, job::FreeCalculusWindow);
  EXPECT_TRUE(timer.Enabled());
  timer.Arm(job::MeanRateStep);  // a click selects another job before the tick
  clock->advance(50);
  EXPECT_EQ(freed, 0);  // still inside the handler that closed it
  EXPECT_EQ(platform::RunDeferredActions(), 1);
  EXPECT_EQ(freed, 1);
  EXPECT_EQ(timer.PendingFreeCount(), 0);
  timer.Arm(job::FreeCalculusWindow);
  clock->advance(50);
  EXPECT_EQ(freed, 1);
  EXPECT_FALSE(timer.Enabled());
}

TEST_F(Jobs, FreesWaitForTheNestedLoopsToClose) {
  int freed = 0;
  modes.RangeFormFromNavigator = 1;
  {
    platform::NestedLoopScope modal;  // the window closed while a modal window runs
    timer.FreeAfterClose(job::FreeRangeForm, [&] { ++freed; });
    clock->advance(50);  // the free job's tick inside the loop frees nothing
    EXPECT_FALSE(timer.Enabled());
    EXPECT_EQ(platform::RunDeferredActions(), 0);
    EXPECT_EQ(timer.RunPendingFrees(), 0);
    EXPECT_EQ(freed, 0);
    EXPECT_EQ(modes.RangeFormFromNavigator, 1);
  }
  timer.Arm(job::FreeRangeForm);
  clock->advance(50);  // at the top level the tick frees it
  EXPECT_EQ(freed, 1);
  EXPECT_EQ(modes.RangeFormFromNavigator, 0);
  platform::RunDeferredActions();
  EXPECT_EQ(freed, 1);
}

TEST_F(Jobs, TheProgramTimerStartsOffAt50ms) {
  TimerJobs fresh;
  EXPECT_FALSE(fresh.Enabled());
  EXPECT_EQ(fresh.Interval(), 50);
  fresh.Arm(job::Startup);
  EXPECT_TRUE(fresh.Enabled());
}

}  // namespace
