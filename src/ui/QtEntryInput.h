#pragma once
// The entry window's questions answered by the program's own windows: the formula
// keyboard, the palette window and the platform's colour and message dialogs.
#include "platform/Dialogs.h"
#include "ui/EntryInputService.h"

class QtEntryInput final : public EntryInputService {
 public:
  explicit QtEntryInput(platform::Dialogs& dialogs) : dialogs_(dialogs) {}

  bool EditText(const std::string& text, const std::string& caption, std::uint8_t kind, int top, int right,
                std::string& result) override;
  void ShowPalette(int left, int top) override;
  std::optional<std::int32_t> ChooseColor(std::int32_t initial) override;
  void ShowMessage(const std::string& text) override;

 private:
  platform::Dialogs& dialogs_;
};
