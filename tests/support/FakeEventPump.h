#pragma once
// The tests' stand-in for platform::EventPump.
#include <functional>
#include <vector>

#include "platform/EventPump.h"

namespace platform {

// Records what was asked; onPump runs inside each pump (as the nested loop would run
// the user's clicks), with the 1-based number of the pump.
class FakeEventPump final : public EventPump {
 public:
  void pumpMessages() override;
  void sleep(int ms) override;

  std::function<void(int pump)> onPump;
  int pumpCount() const { return pumps_; }
  const std::vector<int>& sleeps() const { return sleeps_; }
  long long totalSleep() const;

 private:
  int pumps_ = 0;
  std::vector<int> sleeps_;
};

}  // namespace platform
