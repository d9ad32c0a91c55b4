#include <gtest/gtest.h>

#include <filesystem>
#include <system_error>

#include "support/GuiApp.h"
#include "platform/ProgramFolder.h"

namespace {

TEST(ProgramFolderTest, IsTheFolderOfTheRunningProgram) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  ASSERT_FALSE(error);
  EXPECT_TRUE(std::filesystem::equivalent(platform::ProgramFile(), self, error));
  EXPECT_TRUE(std::filesystem::equivalent(platform::ProgramFolder(), self.parent_path(), error));
}

}  // namespace
