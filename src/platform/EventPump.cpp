#include "platform/EventPump.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>
#include <deque>

namespace platform {

namespace {

int depth = 0;
std::deque<std::function<void()>> deferred;
bool flushPosted = false;

void PostFlush() {
  if (flushPosted || deferred.empty()) return;
  QCoreApplication* app = QCoreApplication::instance();
  if (!app) return;
  flushPosted = true;
  QTimer::singleShot(0, app, [] {
    flushPosted = false;
    RunDeferredActions();
  });
}

}  // namespace

int PumpDepth() { return depth; }

NestedLoopScope::NestedLoopScope() { ++depth; }

NestedLoopScope::~NestedLoopScope() {
  if (--depth == 0) PostFlush();
}

void DeferToTopLevel(std::function<void()> action) {
  if (!action) return;
  deferred.push_back(std::move(action));
  PostFlush();
}

int RunDeferredActions() {
  if (depth > 0) return 0;  // the scope that closes last posts the flush again
  // Only what was queued before this call: an action that defers another one expects
  // it to run later, not inside itself.
  std::deque<std::function<void()>> batch;
  batch.swap(deferred);
  int ran = 0;
  while (!batch.empty()) {
    std::function<void()> action = std::move(batch.front());
    batch.pop_front();
    action();
    ++ran;
  }
  PostFlush();
  return ran;
}

int DeferredActionCount() { return static_cast<int>(deferred.size()); }

// --- Qt -----------------------------------------------------------------------------

void QtEventPump::pumpMessages() {
  NestedLoopScope nested;
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtEventPump::sleep(int ms) {
  if (ms > 0) QThread::msleep(static_cast<unsigned long>(ms));
}

}  // namespace platform
