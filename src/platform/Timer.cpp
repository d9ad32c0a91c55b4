#include "platform/Timer.h"

#include <QTimer>
#include <algorithm>

namespace platform {

void TimerBackend::fire() {
  if (inTick_ || !handler_) return;
  inTick_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{inTick_};
  handler_();
}

// --- Qt -----------------------------------------------------------------------------

struct QtTimerBackend::Impl {
  QTimer timer;
};

QtTimerBackend::QtTimerBackend() : impl_(std::make_unique<Impl>()) {
  // The repeat acceleration runs at 50 ms steps; a coarse timer would blur them.
  impl_->timer.setTimerType(Qt::PreciseTimer);
  QObject::connect(&impl_->timer, &QTimer::timeout, [this] { fire(); });
}

QtTimerBackend::~QtTimerBackend() = default;

// QTimer::start restarts a running timer, so it is only called when a countdown must
// begin anew.
void QtTimerBackend::restart() {
  if (enabled_ && interval_ > 0)
    impl_->timer.start(interval_);
  else
    impl_->timer.stop();
}

void QtTimerBackend::setEnabled(bool on) {
  if (on == enabled_) return;
  enabled_ = on;
  restart();
}

void QtTimerBackend::setInterval(int ms) {
  ms = std::max(ms, 0);
  if (ms == interval_) return;
  interval_ = ms;
  restart();
}

}  // namespace platform
