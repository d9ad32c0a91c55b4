#pragma once
// The program's one timer and what each of its ticks does.
//
// A job code selects the action of the next tick: auto-repeat of a held button, one step
// of an animation, or an action that must wait until the current event handler has
// returned (the start-up continuation, entry input once its window is shown, freeing a
// window that closed itself). Whoever needs one sets the job, sets an interval where it
// needs a particular one, and switches the timer on. The actions of jobs that other
// windows own are registered by those windows; a job without an action, job 26 and any
// unknown code only switch the timer off.
//
// No Qt here: the timer runs over a platform::TimerBackend (Qt's timer in the program, a
// hand-driven clock in tests).
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/Timer.h"

namespace job {
enum : uint8_t {
  Startup = 0,             // the graph window's start-up continuation
  EntryInput = 2,          // the entry window asks its fields
  IntervalEntry = 3,       // the interval bounds are asked
  IntervalStep = 4,        // accelerate, one interval step
  CalculusInput = 5,       // the bounds of the Riemann sums or the integral are asked
  RiemannStep = 6,         // accelerate, one step of the division count
  View2DStep = 7,          // one view step of a held graph button, plane
  View3DStep = 8,          // the same in space
  StepAllParameters = 10,  // accelerate, every parameter steps
  MeanRateInput = 11,      // the points A and B are asked
  MeanRateStep = 12,       // one step of B -> A
  MeanRateMove = 13,       // accelerate, A or B moves
  TangentStep = 14,        // one step of the tangent animation
  IntegralStep = 16,       // one step of h -> 0
  ViewRelease = 18,        // a held view button was released: back to the saved job
  StepOneParameter = 19,   // accelerate, the held button's parameter steps
  FreeRangeForm = 20,      // frees the 2D view-settings window
  FreeEntryWindow = 22,    // frees the entry window
  FreeCalculusWindow = 23,
  FreeTangentWindow = 24,
  DragReadouts = 25,       // the read-outs of the points being dragged
  Idle = 26,
};
}  // namespace job

// Intervals in milliseconds.
inline constexpr int kFastInterval = 50;       // animations, the fast repeat, the design value
inline constexpr int kReleasedInterval = 400;  // after a held button, the first repeat delay
inline constexpr int kViewHoldInterval = 200;  // first step of a held view button
inline constexpr int kViewReleaseInterval = 100;

class TimerJobs {
 public:
  using Action = std::function<void()>;

  // Over a backend that never ticks until SetBackend installs a real one.
  TimerJobs();
  explicit TimerJobs(std::unique_ptr<platform::TimerBackend> backend);
  ~TimerJobs();
  TimerJobs(const TimerJobs&) = delete;
  TimerJobs& operator=(const TimerJobs&) = delete;

  // The new backend starts switched off at 50 ms, as the timer is at creation.
  void SetBackend(std::unique_ptr<platform::TimerBackend> backend);
  platform::TimerBackend& Backend() { return *backend_; }

  // The job the next tick performs, and the one a released view button returns to.
  uint8_t JobCode = job::Startup;
  uint8_t SavedJobCode = job::Startup;
  // Accelerating ticks of the current auto-repeat, 0..3.
  int32_t AutoRepeatCount = 0;

  bool Enabled() const { return backend_->enabled(); }
  // Switching on a running timer leaves its countdown alone.
  void SetEnabled(bool on) { backend_->setEnabled(on); }
  int Interval() const { return backend_->interval(); }
  // An unchanged interval changes nothing; a new one restarts the countdown.
  void SetInterval(int ms) { backend_->setInterval(ms); }
  // JobCode := job and the timer on.
  void Arm(uint8_t job);

  // The tick handler: performs the job of JobCode and returns.
  void Timer1Timer();

  // One more accelerating tick: the interval becomes 350, 200, then 50 ms.
  void AccelerateRepeat();
  // A held button was released: count 0, interval 400 ms, timer off.
  void StopAutoRepeat();

  // The action of a job whose work belongs to another window; an empty action removes it.
  void SetJobAction(uint8_t job, Action action);

  // A view button of the graph window is held: the current job is kept aside, the view
  // job runs every 200 ms. On release the next tick returns to the kept job.
  void HoldViewButton(bool space);
  void ReleaseViewButton();

  // A window that closed itself selects its free job (20, 22, 23 or 24) and the timer; the
  // free itself waits until the close handler has returned and no nested loop is open. It
  // is queued apart from the job code, so a job selected meanwhile does not lose it.
  void FreeAfterClose(uint8_t freeJob, Action free);
  int PendingFreeCount() const;
  // Runs the queued frees unless a nested loop is open; returns how many ran.
  int RunPendingFrees();

 private:
  void Perform(uint8_t code);
  void Guarded(uint8_t code, const Action& action);

  std::unique_ptr<platform::TimerBackend> backend_;
  std::vector<Action> actions_;
  // Shared with the deferred runs, which may outlive a TimerJobs made in a test.
  std::shared_ptr<std::vector<Action>> pendingFrees_;
};

// The program-wide timer ("Timer1" of the parameter panel).
TimerJobs& Timer1();
