#pragma once
// The tests' stand-in for platform::Dialogs.
#include <cstdint>
#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"

namespace platform {

// Scripted answers for tests, handed out in order per kind of dialog; an empty queue
// answers as a cancel (or "no"). Every call is logged.
class FakeDialogs final : public Dialogs {
 public:
  enum class Kind { OpenFile, SaveFile, Color, Font, Message, Ask };
  struct Call {
    Kind kind = Kind::Message;
    FileDialogRequest file;  // file dialogs
    int32_t color = 0;       // colour dialog: the initial colour
    FontChoice font;         // font dialog: the initial font
    std::string text;        // message or question
  };

  std::deque<std::optional<std::filesystem::path>> fileAnswers;
  std::deque<std::optional<int32_t>> colorAnswers;
  std::deque<std::optional<FontChoice>> fontAnswers;
  std::deque<bool> askAnswers;
  std::vector<Call> calls;
  // Dialogs that found no scripted answer.
  int unanswered = 0;

  std::optional<std::filesystem::path> openFile(const FileDialogRequest& request) override;
  std::optional<std::filesystem::path> saveFile(const FileDialogRequest& request) override;
  std::optional<int32_t> chooseColor(int32_t initial) override;
  std::optional<FontChoice> chooseFont(const FontChoice& initial) override;
  void showMessage(const std::string& text) override;
  bool ask(const std::string& question) override;
};

}  // namespace platform
