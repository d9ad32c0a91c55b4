#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <string>
#include <vector>

#include "support/FakeEventPump.h"
#include "support/GuiApp.h"

using namespace platform;

namespace {

struct Deferred : ::testing::Test {
  void SetUp() override { RunDeferredActions(); }
  void TearDown() override { RunDeferredActions(); }
};

TEST_F(Deferred, ActionsWaitUntilNoNestedLoopIsOpen) {
  FakeEventPump pump;
  std::vector<std::string> log;
  pump.onPump = [&](int n) {
    log.push_back("pump " + std::to_string(n) + " depth " + std::to_string(PumpDepth()));
    if (n == 1) {
      DeferToTopLevel([&] { log.push_back("free window"); });
      pump.pumpMessages();  // a click inside the pump pumps again
      EXPECT_EQ(RunDeferredActions(), 0);
    }
  };
  pump.pumpMessages();
  EXPECT_EQ(PumpDepth(), 0);
  EXPECT_EQ(DeferredActionCount(), 1);
  EXPECT_EQ(RunDeferredActions(), 1);
  EXPECT_EQ(log, (std::vector<std::string>{"pump 1 depth 1", "pump 2 depth 2", "free window"}));
}

TEST_F(Deferred, ActionsRunInOrderAndOneDeferredByAnActionRunsLater) {
  std::vector<int> order;
  DeferToTopLevel([&] {
    order.push_back(1);
    DeferToTopLevel([&] { order.push_back(3); });
  });
  DeferToTopLevel([&] { order.push_back(2); });
  {
    NestedLoopScope modal;
    EXPECT_EQ(RunDeferredActions(), 0);
  }
  EXPECT_EQ(RunDeferredActions(), 2);
  EXPECT_EQ(order, (std::vector<int>{1, 2}));
  EXPECT_EQ(RunDeferredActions(), 1);
  EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
}

// In the real loop: an action deferred from a click that a pump let through runs only
// after the handler that pumped has returned.
TEST_F(Deferred, InTheEventLoopAnActionRunsAfterThePumpingHandlerReturns) {
  QtEventPump pump;
  QEventLoop mainLoop;
  std::vector<std::string> log;
  QTimer::singleShot(0, [&] {
    QTimer::singleShot(0, [&] {  // the click, delivered inside the pump
      log.push_back("click");
      DeferToTopLevel([&] {
        log.push_back("free window");
        mainLoop.quit();
      });
    });
    log.push_back("handler pumps");
    for (int i = 0; i < 5; ++i) pump.pumpMessages();
    log.push_back("handler returns");
  });
  QTimer::singleShot(2000, &mainLoop, &QEventLoop::quit);
  mainLoop.exec();
  EXPECT_EQ(log, (std::vector<std::string>{"handler pumps", "click", "handler returns", "free window"}));
}

TEST(QtPump, SleepBlocksWithoutLettingMessagesRun) {
  QtEventPump pump;
  bool ran = false;
  QTimer::singleShot(0, [&] { ran = true; });
  QElapsedTimer clock;
  clock.start();
  pump.sleep(40);
  EXPECT_GE(clock.elapsed(), 40);
  EXPECT_FALSE(ran);
  pump.sleep(0);
  pump.sleep(-10);
  pump.pumpMessages();
  EXPECT_TRUE(ran);
}

TEST(FakePump, RecordsPumpsAndSleeps) {
  FakeEventPump pump;
  pump.sleep(100);
  pump.sleep(0);
  pump.sleep(-1);
  pump.sleep(100);
  pump.pumpMessages();
  EXPECT_EQ(pump.sleeps(), (std::vector<int>{100, 0, -1, 100}));
  EXPECT_EQ(pump.totalSleep(), 200);
  EXPECT_EQ(pump.pumpCount(), 1);
}

}  // namespace
