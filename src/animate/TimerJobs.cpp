#include "animate/TimerJobs.h"

#include <algorithm>

#include "formula/DocumentState.h"
#include "platform/EventPump.h"

namespace {

// Keeps the switch and the interval and never ticks: the timer before the program (or a
// test) installs a real backend.
class InertTimerBackend final : public platform::TimerBackend {
 public:
  void setEnabled(bool on) override { enabled_ = on; }
  bool enabled() const override { return enabled_; }
  void setInterval(int ms) override { interval_ = std::max(ms, 0); }
  int interval() const override { return interval_; }

 private:
  bool enabled_ = false;
  int interval_ = 0;
};

constexpr int kJobSlots = 256;

bool AcceleratesFirst(uint8_t code) {
  return code == job::IntervalStep || code == job::RiemannStep || code == job::StepAllParameters ||
         code == job::MeanRateMove || code == job::StepOneParameter;
}

// Jobs that ask on a modal window: the timer goes off before they ask, so that no tick
// arrives while the question is open.
bool AsksFirst(uint8_t code) {
  return code == job::EntryInput || code == job::CalculusInput || code == job::MeanRateInput;
}

bool IsFreeJob(uint8_t code) {
  return code == job::FreeRangeForm || code == job::FreeEntryWindow || code == job::FreeCalculusWindow ||
         code == job::FreeTangentWindow;
}

int RunFrees(std::vector<TimerJobs::Action>& pending) {
  if (platform::PumpDepth() > 0) return 0;
  int ran = 0;
  while (!pending.empty()) {
    // Only what is queued now; a free that queues another leaves it for later.
    std::vector<TimerJobs::Action> batch;
    batch.swap(pending);
    for (TimerJobs::Action& free : batch) {
      free();
      ++ran;
    }
    if (platform::PumpDepth() > 0) break;
  }
  return ran;
}

}  // namespace

TimerJobs::TimerJobs() : TimerJobs(std::make_unique<InertTimerBackend>()) {}

TimerJobs::TimerJobs(std::unique_ptr<platform::TimerBackend> backend)
    : actions_(kJobSlots), pendingFrees_(std::make_shared<std::vector<Action>>()) {
  SetBackend(std::move(backend));
}

TimerJobs::~TimerJobs() = default;

void TimerJobs::SetBackend(std::unique_ptr<platform::TimerBackend> backend) {
  if (!backend) backend = std::make_unique<InertTimerBackend>();
  if (backend_) backend_->setTickHandler(nullptr);
  backend_ = std::move(backend);
  backend_->setEnabled(false);
  backend_->setInterval(kFastInterval);
  backend_->setTickHandler([this] { Timer1Timer(); });
}

void TimerJobs::Arm(uint8_t code) {
  JobCode = code;
  SetEnabled(true);
}

void TimerJobs::AccelerateRepeat() {
  ++AutoRepeatCount;
  if (AutoRepeatCount > 3) {
    AutoRepeatCount = 3;
    return;  // stays at 50 ms
  }
  SetInterval(500 - 150 * AutoRepeatCount);
}

void TimerJobs::StopAutoRepeat() {
  AutoRepeatCount = 0;
  SetInterval(kReleasedInterval);
  SetEnabled(false);
}

void TimerJobs::SetJobAction(uint8_t code, Action action) { actions_[code] = std::move(action); }


void TimerJobs::HoldViewButton(bool space) {
  // A second press before the release tick ran keeps the job saved by the first.
  if (JobCode != job::View2DStep && JobCode != job::View3DStep && JobCode != job::ViewRelease)
    SavedJobCode = JobCode;
  SetInterval(kViewHoldInterval);
  Arm(space ? job::View3DStep : job::View2DStep);
}

void TimerJobs::ReleaseViewButton() { JobCode = job::ViewRelease; }

void TimerJobs::FreeAfterClose(uint8_t freeJob, Action free) {
  if (free) {
    if (freeJob == job::FreeRangeForm) {
      free = [inner = std::move(free)] {
        inner();
        modes.RangeFormFromNavigator = 0;
      };
    }
    pendingFrees_->push_back(std::move(free));
    std::weak_ptr<std::vector<Action>> pending = pendingFrees_;
    platform::DeferToTopLevel([pending] {
      if (auto list = pending.lock()) RunFrees(*list);
    });
  }
  Arm(freeJob);
}

int TimerJobs::PendingFreeCount() const { return static_cast<int>(pendingFrees_->size()); }

int TimerJobs::RunPendingFrees() { return RunFrees(*pendingFrees_); }

void TimerJobs::Timer1Timer() { Perform(JobCode); }

// An exception must not leave a tick: it stops the timer, so that a failing step is not
// repeated; a failing parameter step also marks the picture undrawable.
void TimerJobs::Guarded(uint8_t code, const Action& action) {
  try {
    action();
  } catch (...) {
    if (code == job::StepAllParameters || code == job::StepOneParameter) eng.EvalDrawable = 0;
    SetEnabled(false);
  }
}

void TimerJobs::Perform(uint8_t code) {
  if (code == job::ViewRelease) {
    SetEnabled(false);
    JobCode = SavedJobCode;
    SetInterval(kViewReleaseInterval);
    ui.SubFormOpen = 0;
    return;
  }
  if (IsFreeJob(code)) {
    RunPendingFrees();  // no-op inside a nested loop: the deferred run frees later
    SetEnabled(false);
    return;
  }
  const Action& action = actions_[code];
  if (code == job::Idle || !action) {
    SetEnabled(false);
    return;
  }
  // Keep a copy: the action may replace its own registration.
  const Action run = action;
  if (code == job::Startup) {
    JobCode = job::Idle;
    SetEnabled(false);
  } else if (code == job::IntervalEntry) {
    JobCode = job::Idle;
  } else if (AsksFirst(code)) {
    SetEnabled(false);
  } else if (code == job::View2DStep || code == job::View3DStep) {
    ui.SubFormOpen = 1;
  } else if (AcceleratesFirst(code)) {
    AccelerateRepeat();
  }
  Guarded(code, run);
}

TimerJobs& Timer1() {
  static TimerJobs timer;
  return timer;
}
