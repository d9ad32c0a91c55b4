#include "platform/QuitSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>

namespace platform {

namespace {

int pipeEnds[2] = {-1, -1};
volatile std::sig_atomic_t signalled = 0;
QSocketNotifier* notifier = nullptr;
std::function<void()> quitAction;

extern "C" void OnQuitSignal(int signal) {
  if (signalled) _exit(128 + signal);
  signalled = 1;
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = write(pipeEnds[1], &byte, 1);
  alarm(kQuitGraceSeconds);
}

extern "C" void OnGraceOver(int) { _exit(128 + SIGTERM); }

void SetAction(int signal, void (*handler)(int)) {
  struct sigaction action = {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(signal, &action, nullptr);
}

void ClosePipe() {
  for (int& end : pipeEnds) {
    if (end >= 0) close(end);
    end = -1;
  }
}

}  // namespace

bool QuitOnSignals(std::function<void()> quit) {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app || notifier) return false;
  if (pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) return false;
  quitAction = std::move(quit);
  signalled = 0;
  notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, app);
  QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
    char bytes[16];
    while (read(pipeEnds[0], bytes, sizeof bytes) > 0) {
    }
    if (quitAction) quitAction();
  });
  SetAction(SIGALRM, OnGraceOver);
  SetAction(SIGTERM, OnQuitSignal);
  SetAction(SIGINT, OnQuitSignal);
  return true;
}

void RestoreSignalDefaults() {
  for (int signal : {SIGTERM, SIGINT}) SetAction(signal, SIG_DFL);
  alarm(0);
  SetAction(SIGALRM, SIG_DFL);
  delete notifier;
  notifier = nullptr;
  ClosePipe();
  quitAction = nullptr;
  signalled = 0;
}

}  // namespace platform
