#include <gtest/gtest.h>

#include "QtTestApp.h"
#include "platform/ProgramFolder.h"
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

TEST(ProgramFolderTest, IsTheFolderOfTheRunningProgram) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  ASSERT_FALSE(error);
  EXPECT_TRUE(std::filesystem::equivalent(platform::ProgramFile(), self, error));
  EXPECT_TRUE(std::filesystem::equivalent(platform::ProgramFolder(), self.parent_path(), error));
}

}  // namespace
