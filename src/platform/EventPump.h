#pragma once
// Letting pending window messages run from inside a handler, pausing the thread, and
// the bookkeeping that keeps such nested loops safe.
//
// While a handler pumps messages (or a modal window runs its own loop) the user can
// reach any window, close it or start a load. Whatever would pull the ground from under
// the code still on the stack (freeing a window, reloading a document, recompiling the
// running macro) goes through DeferToTopLevel: it runs from the main loop once no
// nested loop is open.
#include <functional>

namespace platform {

class EventPump {
 public:
  virtual ~EventPump() = default;
  // Lets the pending window messages run, user input included, then returns.
  virtual void pumpMessages() = 0;
  // Blocks the thread for ms milliseconds; no messages run meanwhile. ms <= 0 returns.
  virtual void sleep(int ms) = 0;
};

class QtEventPump final : public EventPump {
 public:
  void pumpMessages() override;
  void sleep(int ms) override;
};

// Number of nested message loops open now (pumps and modal windows).
int PumpDepth();

// Counts one nested loop for its lifetime; modal windows wrap their exec() in one.
class NestedLoopScope {
 public:
  NestedLoopScope();
  ~NestedLoopScope();
  NestedLoopScope(const NestedLoopScope&) = delete;
  NestedLoopScope& operator=(const NestedLoopScope&) = delete;
};

// Runs action from the main loop after the current handler has returned and no nested
// loop is open; actions run in the order they were deferred. Without an application
// object (plain tests) the actions wait for RunDeferredActions.
void DeferToTopLevel(std::function<void()> action);
// Runs the deferred actions now unless a nested loop is open; returns how many ran.
int RunDeferredActions();
int DeferredActionCount();

}  // namespace platform
