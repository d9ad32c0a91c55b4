#pragma once
// One QApplication for the whole test binary, made before the first test runs (and on
// first use by code that runs earlier). It lives until the process ends: destroying it
// among the static destructors would tear Qt's font caches down out of order.
#include <gtest/gtest.h>

#include <QApplication>

inline void EnsureGuiApp() {
  if (QCoreApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  (void)app;
}

class GuiAppEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { EnsureGuiApp(); }
};

inline ::testing::Environment* const guiAppEnvironment =
    ::testing::AddGlobalTestEnvironment(new GuiAppEnvironment);

// fontconfig keeps a few hundred bytes of its configuration to the end of the process;
// the leak checker of the sanitizer build is told so, for the binaries that draw text.
extern "C" __attribute__((used, weak)) const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}
