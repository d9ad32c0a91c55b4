#pragma once
// The back end of the program's one timer: an enabled switch and an interval, with the
// rules of the old timer component the timer jobs were written against:
// - switching on a timer that already runs leaves its countdown alone;
// - setting the interval it already has changes nothing; a new interval restarts the
//   countdown of a running timer;
// - an interval of 0 keeps the timer silent while it stays switched on.
// A tick never starts while the previous one is still being handled (a handler that
// opens a modal window or pumps messages is not entered again).
#include <cstdint>
#include <functional>
#include <memory>

namespace platform {

class TimerBackend {
 public:
  virtual ~TimerBackend() = default;

  virtual void setEnabled(bool on) = 0;
  virtual bool enabled() const = 0;
  // Milliseconds; negative values count as 0.
  virtual void setInterval(int ms) = 0;
  virtual int interval() const = 0;

  // What each tick runs; set once by the owner of the timer.
  void setTickHandler(std::function<void()> handler) { handler_ = std::move(handler); }
  bool inTick() const { return inTick_; }

 protected:
  // Runs the handler unless a tick is being handled already.
  void fire();

 private:
  std::function<void()> handler_;
  bool inTick_ = false;
};

// Over a QTimer, on the thread that creates it.
class QtTimerBackend final : public TimerBackend {
 public:
  QtTimerBackend();
  ~QtTimerBackend() override;

  void setEnabled(bool on) override;
  bool enabled() const override { return enabled_; }
  void setInterval(int ms) override;
  int interval() const override { return interval_; }

 private:
  void restart();

  struct Impl;
  std::unique_ptr<Impl> impl_;
  bool enabled_ = false;
  int interval_ = 0;
};

}  // namespace platform
