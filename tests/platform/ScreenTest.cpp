#include <gtest/gtest.h>

#include "support/GuiApp.h"
#include "platform/Screen.h"

namespace {

TEST(QtScreenTest, WorkAreaLiesWithinTheScreen) {
  platform::QtScreen screen;
  const platform::ScreenRect all = screen.geometry(), work = screen.workArea();
  EXPECT_GT(all.width, 0);
  EXPECT_GT(all.height, 0);
  EXPECT_GE(work.left, all.left);
  EXPECT_GE(work.top, all.top);
  EXPECT_LE(work.right(), all.right());
  EXPECT_LE(work.bottom(), all.bottom());
}

}  // namespace
