#pragma once
// The modal questions several windows ask of the program, declared once: a text on the
// formula keyboard, a colour on the colour dialog, a message. A question not answered is
// cancelled; a message not shown is dropped.
#include <cstdint>
#include <optional>
#include <string>

class WindowQuestions {
 public:
  virtual ~WindowQuestions() = default;

  // A text (CP932 in and out) asked with the caption (UTF-8) on the keyboard of the kind,
  // its top at `top` and its right edge at `right`. False when cancelled.
  virtual bool AskText(const std::string& caption, std::uint8_t kind, std::string& text, int top, int right) {
    return false;
  }
  // The colour dialog opened on `initial` ($BBGGRR): the colour chosen, nothing when
  // cancelled.
  virtual std::optional<std::int32_t> ChooseColor(std::int32_t initial) { return std::nullopt; }
  // A message box (UTF-8).
  virtual void ShowMessage(const std::string& utf8) {}
};
