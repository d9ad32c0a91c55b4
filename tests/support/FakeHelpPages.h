#pragma once
// The tests' stand-in for platform::HelpPages.
#include <filesystem>
#include <vector>

#include "platform/HelpPages.h"

namespace platform {

class FakeHelpPages final : public HelpPages {
 public:
  bool open(const std::filesystem::path& page) override {
    opened.push_back(page);
    return opens;
  }
  std::vector<std::filesystem::path> opened;
  bool opens = true;  // false: as on a machine without a browser
};

}  // namespace platform
