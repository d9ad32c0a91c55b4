#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <functional>
#include <vector>

#include "support/FakeTimerBackend.h"
#include "support/GuiApp.h"

using platform::FakeTimerBackend;
using platform::QtTimerBackend;

namespace {

// --- the hand-driven fake -------------------------------------------------------------

struct FakeTimer : ::testing::Test {
  FakeTimerBackend timer;
  std::vector<int64_t> ticks;
  std::function<void()> onTick;
  void SetUp() override {
    timer.setTickHandler([this] {
      ticks.push_back(timer.now());
      if (onTick) onTick();
    });
  }
};

TEST_F(FakeTimer, SwitchingOnARunningTimerOrRepeatingItsIntervalKeepsTheCountdown) {
  timer.setInterval(400);
  timer.setEnabled(true);
  timer.advance(300);
  timer.setEnabled(true);
  timer.setInterval(400);
  EXPECT_EQ(timer.remaining(), 100);
  timer.advance(100);
  EXPECT_EQ(ticks, (std::vector<int64_t>{400}));
}

TEST_F(FakeTimer, ANewIntervalOrASwitchOffAndOnStartsTheCountdownAgain) {
  timer.setInterval(400);
  timer.setEnabled(true);
  timer.advance(300);
  timer.setInterval(200);  // due at 500, not at 400
  timer.advance(250);
  timer.setEnabled(false);
  timer.setEnabled(true);  // due at 750
  timer.advance(500);
  EXPECT_EQ(ticks, (std::vector<int64_t>{500, 750, 950}));
}

TEST_F(FakeTimer, StaysSilentWhenOffOrAtIntervalZero) {
  timer.setInterval(0);
  timer.setEnabled(true);
  timer.advance(10000);
  timer.setInterval(-5);
  EXPECT_EQ(timer.interval(), 0);
  timer.setEnabled(false);
  timer.setInterval(50);
  timer.advance(10000);
  EXPECT_TRUE(ticks.empty());
  EXPECT_EQ(timer.remaining(), -1);
  EXPECT_FALSE(timer.advanceToNextTick());
}

// A handler that speeds the timer up, as a held button does: each change counts from
// the tick that made it.
TEST_F(FakeTimer, IntervalSetByATickCountsFromThatTick) {
  int count = 0;
  onTick = [&] {
    if (++count <= 3) timer.setInterval(500 - 150 * count);
    if (count == 6) timer.setEnabled(false);
  };
  timer.setInterval(400);
  timer.setEnabled(true);
  timer.advance(5000);
  EXPECT_EQ(ticks, (std::vector<int64_t>{400, 750, 950, 1000, 1050, 1100}));
  EXPECT_FALSE(timer.enabled());
}

TEST_F(FakeTimer, ATickIsNotEnteredAgainFromInsideItself) {
  int depth = 0, deepest = 0;
  onTick = [&] {
    ++depth;
    deepest = std::max(deepest, depth);
    EXPECT_TRUE(timer.inTick());
    if (ticks.size() == 1) timer.advanceToNextTick();  // as a modal window inside a tick would
    --depth;
  };
  timer.setInterval(50);
  timer.setEnabled(true);
  timer.advance(50);
  EXPECT_EQ(deepest, 1);
  EXPECT_FALSE(timer.inTick());
}

// --- the Qt back end on a real QTimer ------------------------------------------------

// Arms the timer, calls poke after pokeAt ms and returns when the first tick came
// (or -1 when none came within 1.5 s).
int64_t FirstTickAfter(int interval, int pokeAt, const std::function<void(QtTimerBackend&)>& poke) {
  QtTimerBackend timer;
  QEventLoop loop;
  QElapsedTimer clock;
  int64_t tickAt = -1;
  timer.setTickHandler([&] {
    tickAt = clock.elapsed();
    loop.quit();
  });
  timer.setInterval(interval);
  clock.start();
  timer.setEnabled(true);
  QTimer::singleShot(pokeAt, Qt::PreciseTimer, [&] { poke(timer); });
  QTimer::singleShot(1500, &loop, &QEventLoop::quit);
  loop.exec();
  return tickAt;
}

TEST(QtTimer, SwitchingOnAgainOrRepeatingTheIntervalDoesNotRestartIt) {
  // A restart at 200 ms would move the tick from 300 to 500 ms.
  const int64_t reenabled = FirstTickAfter(300, 200, [](QtTimerBackend& t) { t.setEnabled(true); });
  const int64_t sameInterval = FirstTickAfter(300, 200, [](QtTimerBackend& t) { t.setInterval(300); });
  for (int64_t at : {reenabled, sameInterval}) {
    EXPECT_GE(at, 290);
    EXPECT_LT(at, 450);
  }
}

TEST(QtTimer, ANewIntervalRestartsIt) {
  const int64_t at = FirstTickAfter(300, 200, [](QtTimerBackend& t) { t.setInterval(310); });
  EXPECT_GE(at, 500);
}

TEST(QtTimer, ATickThatRunsANestedLoopIsNotEnteredAgain) {
  QtTimerBackend timer;
  QEventLoop outer;
  int entries = 0, depth = 0, deepest = 0;
  timer.setTickHandler([&] {
    ++entries;
    deepest = std::max(deepest, ++depth);
    if (entries == 1) {  // a modal window open over several intervals
      QEventLoop nested;
      QTimer::singleShot(200, &nested, &QEventLoop::quit);
      nested.exec();
    } else {
      outer.quit();
    }
    --depth;
  });
  timer.setInterval(20);
  timer.setEnabled(true);
  QTimer::singleShot(2000, &outer, &QEventLoop::quit);
  outer.exec();
  EXPECT_GE(entries, 2);
  EXPECT_EQ(deepest, 1);
}

}  // namespace
