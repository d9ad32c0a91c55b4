#pragma once
// What the calculus window asks of the windows above this library: the formula keyboard,
// the graph window and the navigator, the parameter panel and the colour dialog. Every
// call is a no-op (a question is cancelled) until the program installs its answers;
// tests install recording fakes.
#include <cstdint>
#include <string>

class CalculusWindowHooks {
 public:
  virtual ~CalculusWindowHooks() = default;

  // A text (CP932 in and out) asked with the caption (UTF-8) on the keyboard of the kind,
  // its top at `top` and its right edge at `right`. False when cancelled.
  virtual bool AskText(const std::string& caption, uint8_t kind, std::string& text, int top, int right) {
    return false;
  }
  // Where the window opens: at the graph window's right edge, level with its top.
  virtual void PlaceWindow(int& left, int& top) {}
  // The graph window's editing (the navigator's list and menus, the pop-up menu).
  virtual void EnableGraphEditing(bool enable) {}
  // The graph window takes input; off while an animation runs.
  virtual void EnableGraphWindow(bool enable) {}
  virtual void EnableNavigator() {}
  virtual void HideParameterPanel() {}
  // The graph window's picture painted now, not when the event loop gets to it.
  virtual void PresentGraphPicture() {}
  // The colour dialog with the colour ($BBGGRR); false when cancelled.
  virtual bool ChooseColour(int32_t& colour) { return false; }
  virtual void ShowMessage(const std::string& utf8) {}
};
