#pragma once
// The tests' stand-in for platform::TimerBackend.
#include <cstdint>

#include "platform/Timer.h"

namespace platform {

// Driven by hand in tests: a virtual clock that ticks as advance() moves it on.
class FakeTimerBackend final : public TimerBackend {
 public:
  void setEnabled(bool on) override;
  bool enabled() const override { return enabled_; }
  void setInterval(int ms) override;
  int interval() const override { return interval_; }

  // Moves the clock on by ms, ticking each time the countdown runs out. Changes the
  // handler makes to the timer take effect from the moment of its tick.
  void advance(int64_t ms);
  // Runs the clock up to the next tick and performs it; false (clock unchanged) when
  // the timer would never tick.
  bool advanceToNextTick();
  // Milliseconds until the next tick, or -1 when the timer would never tick.
  int64_t remaining() const;
  int64_t now() const { return now_; }
  int64_t tickCount() const { return ticks_; }

 private:
  bool running() const { return enabled_ && interval_ > 0; }

  bool enabled_ = false;
  int interval_ = 0;
  int64_t now_ = 0;
  int64_t due_ = 0;  // clock time of the next tick while running
  int64_t ticks_ = 0;
};

}  // namespace platform
