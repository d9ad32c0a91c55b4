#include "support/FakeTimerBackend.h"

#include <algorithm>

namespace platform {

void FakeTimerBackend::setEnabled(bool on) {
  if (on == enabled_) return;
  enabled_ = on;
  due_ = now_ + interval_;
}

void FakeTimerBackend::setInterval(int ms) {
  ms = std::max(ms, 0);
  if (ms == interval_) return;
  interval_ = ms;
  due_ = now_ + interval_;
}

int64_t FakeTimerBackend::remaining() const { return running() ? due_ - now_ : -1; }

bool FakeTimerBackend::advanceToNextTick() {
  if (!running()) return false;
  now_ = due_;
  due_ = now_ + interval_;  // periodic: the next countdown starts at the tick
  ++ticks_;
  fire();
  return true;
}

void FakeTimerBackend::advance(int64_t ms) {
  const int64_t end = now_ + std::max<int64_t>(ms, 0);
  while (running() && due_ <= end) advanceToNextTick();
  now_ = end;
}

}  // namespace platform
