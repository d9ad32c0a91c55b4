#pragma once
// Fonts and glyph drawing need a QGuiApplication; tests make one on first use. It lives
// until the process ends: destroying it among the static destructors would tear Qt's
// font caches down out of order.
#include <QGuiApplication>

inline void EnsureGuiApp() {
  if (QGuiApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "tests";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* app = new QGuiApplication(argc, argv);
  (void)app;
}

// fontconfig keeps a few hundred bytes of its configuration to the end of the process;
// the leak checker of the sanitizer build is told so, for the binaries that draw text.
extern "C" __attribute__((used, weak)) const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}
