#pragma once
// The modal questions the entry window asks while it fills an entry: a text on the formula
// keyboard, a point, tool or figure on the palette window, a colour, a message. The window
// asks them through this interface so that its logic runs without a display: the program
// answers with the real windows (QtEntryInput), tests from a script.
#include <cstdint>
#include <optional>
#include <string>

#include "animate/WindowQuestions.h"

// The colour dialog and messages are the shared questions; the text is edited on a copy.
class EntryInputService : public WindowQuestions {
 public:
  virtual ~EntryInputService() = default;

  // The formula keyboard on `text` (CP932) with the caption (UTF-8) and keyboard kind, its
  // top at `top` and its right edge at `right`. True with the accepted text in `result`;
  // false when cancelled. Either way keyboard.KeyboardText and ui.InputCancelled are left
  // as the keyboard leaves them.
  virtual bool EditText(const std::string& text, const std::string& caption, std::uint8_t kind, int top, int right,
                        std::string& result) = 0;
  // The palette window at (left, top), in the mode the caller set in clpanel.ClpanelMode
  // with the letters or figures it prepared; clpanel.ClpanelResult, ChosenFigureType and
  // ui.InputCancelled hold the answer afterwards.
  virtual void ShowPalette(int left, int top) = 0;
};
