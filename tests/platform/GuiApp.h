#pragma once
// Fonts and glyph drawing need a QGuiApplication; tests make one on first use.
#include <QGuiApplication>

inline void EnsureGuiApp() {
  if (QGuiApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "tests";
  static char* argv[] = {name, nullptr};
  static QGuiApplication app(argc, argv);
}
