#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "support/GuiApp.h"
#include "platform/KeepOnScreen.h"

namespace {

using platform::KeptInside;
using platform::ScreenRect;

TEST(KeepOnScreen, MovesAWindowInsideTheAreaKeepingItsSize) {
  const ScreenRect area{0, 30, 800, 570};  // a panel above
  struct Row {
    ScreenRect window, kept;
  } rows[] = {
      {{100, 100, 300, 200}, {100, 100, 300, 200}},  // inside: stays
      {{668, 100, 742, 400}, {58, 100, 742, 400}},   // past the right edge
      {{100, -6, 300, 80}, {100, 30, 300, 80}},      // above the top (under the panel)
      {{-50, 500, 300, 200}, {0, 400, 300, 200}},    // left of the area and below it
      {{100, 100, 900, 700}, {0, 30, 900, 700}},     // larger: its top-left corner shows
  };
  for (const Row& r : rows)
    EXPECT_EQ(KeptInside(r.window, area), r.kept) << r.window.left << "," << r.window.top;
}

TEST(KeepOnScreen, MovesAWidgetIntoTheScreensWorkArea) {
  const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
  QWidget window;
  window.resize(200, 100);
  window.move(work.right() + 500, work.top() - 40);
  platform::KeepOnScreen(window);
  EXPECT_EQ(window.frameGeometry().topRight().x(), work.right());
  EXPECT_EQ(window.frameGeometry().top(), work.top());
  EXPECT_EQ(window.size(), QSize(200, 100));
}

}  // namespace
