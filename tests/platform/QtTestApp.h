#pragma once
// One QApplication for the whole test binary, made before the first test runs, so that
// widget tests find one whatever order the tests run in (a QGuiApplication made on
// first use by another test would be too little for widgets).
#include <gtest/gtest.h>

#include <QApplication>

#include "support/GuiApp.h"  // also quiets fontconfig's lasting allocations in the leak checker

class QtTestAppEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "test_platform";
    static char* argv[] = {name, nullptr};
    // Kept for the life of the process: Qt's own statics outlive the tests.
    app_ = new QApplication(argc, argv);
  }

 private:
  static inline QApplication* app_ = nullptr;
};

inline ::testing::Environment* const qtTestAppEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtTestAppEnvironment);

// Widget tests skip when some other code made a plain QGuiApplication first.
#define REQUIRE_WIDGET_APP()                                                  \
  do {                                                                        \
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))           \
      GTEST_SKIP() << "needs a QApplication; another test made a lesser one"; \
  } while (0)

