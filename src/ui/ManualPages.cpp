#include "ui/ManualPages.h"

#include <filesystem>

#include "platform/Dialogs.h"
#include "platform/HelpPages.h"
#include "ui/Tgraph.h"

namespace {
platform::HelpPages* helpPages = nullptr;
platform::Dialogs* messages = nullptr;
}  // namespace

void SetManualPageServices(platform::HelpPages* pages, platform::Dialogs* dialogs) {
  helpPages = pages;
  messages = dialogs;
}

void OpenManualPage(const std::string& page) {
  if (!helpPages) return;
  const std::filesystem::path file = GraphFolders.Manual / page;
  if (!helpPages->open(file) && messages) messages->showMessage(file.string() + " を開けません。");
}
