#pragma once
// What the tangent animation asks of the windows above this library: the formula
// keyboard, the navigator's colour dialog, the graph window and the parameter panel.
// Every call is a no-op (or a cancel) until the program installs an implementation;
// tests install recording fakes.
#include <cstdint>
#include <optional>
#include <string>

class TangentHooks {
 public:
  virtual ~TangentHooks() = default;

  // Asks for a text (CP932 in and out) with the caption (UTF-8) and keyboard kind, the
  // keyboard's top at `top` and its right edge at `right`. False when cancelled.
  virtual bool AskText(const std::string& caption, uint8_t kind, std::string& text, int top, int right) {
    return false;
  }
  // The navigator's colour dialog; nothing when cancelled.
  virtual std::optional<int32_t> ChooseColor(int32_t initial) { return std::nullopt; }

  // While the animation runs the graph window takes no edits (the navigator's list and
  // menus, its pop-up menu) and the view is not shifted by dragging.
  virtual void EnableGraphEditing(bool enable) {}
  virtual void EnableDragShift(bool enable) {}

  // The parameter panel: closed when the animation opens, hidden when it shows, and back
  // as the navigator's parameter button brings it when the animation closes.
  virtual void CloseParameterPanel() {}
  virtual void HideParameterPanel() {}
  virtual void ShowParameterPanel() {}

  // Where the tangent window of that height goes: beside the graph window. The default
  // leaves the position alone.
  virtual void PlaceWindow(int height, int& left, int& top) {}
};
