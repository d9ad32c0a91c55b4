#pragma once
// Opening the HTML manual pages in the user's browser.
#include <filesystem>

namespace platform {

class HelpPages {
 public:
  virtual ~HelpPages() = default;
  // Opens a local HTML file; false when it does not exist or nothing could show it.
  virtual bool open(const std::filesystem::path& page) = 0;
};

// Through the desktop's handler for local files.
class QtHelpPages final : public HelpPages {
 public:
  bool open(const std::filesystem::path& page) override;
};

}  // namespace platform
