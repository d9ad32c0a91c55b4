#include "support/FakeEventPump.h"

namespace platform {

void FakeEventPump::pumpMessages() {
  NestedLoopScope nested;
  ++pumps_;
  if (onPump) onPump(pumps_);
}

void FakeEventPump::sleep(int ms) { sleeps_.push_back(ms); }

long long FakeEventPump::totalSleep() const {
  long long total = 0;
  for (int ms : sleeps_)
    if (ms > 0) total += ms;
  return total;
}

}  // namespace platform
