#pragma once
// The Qt application the drawing code of a benchmark program needs, made on first use:
// offscreen unless the environment names a platform. It lives until the process ends.
#include <QGuiApplication>

inline void EnsureGuiApp() {
  if (QCoreApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "bench";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* app = new QGuiApplication(argc, argv);
  (void)app;
}
