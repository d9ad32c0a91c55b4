#pragma once
// What the calculus animations (the calculus window and the tangent window) ask of the
// windows above this library: the formula keyboard, the colour dialog, the graph window,
// the navigator and the parameter panel. Every call is a no-op (a question is cancelled)
// until the program installs its answers; tests install a recording fake.
#include <cstdint>
#include <optional>
#include <string>

class CalculusHooks {
 public:
  virtual ~CalculusHooks() = default;

  // --- questions ---
  // A text (CP932 in and out) asked with the caption (UTF-8) on the keyboard of the kind,
  // its top at `top` and its right edge at `right`. False when cancelled.
  virtual bool AskText(const std::string& caption, uint8_t kind, std::string& text, int top, int right) {
    return false;
  }
  // The colour dialog opened on `initial` ($BBGGRR): the colour chosen, nothing when
  // cancelled.
  virtual std::optional<int32_t> ChooseColor(int32_t initial) { return std::nullopt; }
  virtual void ShowMessage(const std::string& utf8) {}

  // --- the graph window and the navigator ---
  // The graph window's editing (the navigator's list and menus, the pop-up menu): off
  // while an animation window is open.
  virtual void EnableGraphEditing(bool enable) {}
  // The graph window takes input: off while the calculus window's animation runs.
  virtual void EnableGraphWindow(bool enable) {}
  // The view shifted by dragging: off while the tangent window is open.
  virtual void EnableDragShift(bool enable) {}
  virtual void EnableNavigator() {}
  // The graph window's picture painted now, not when the event loop gets to it.
  virtual void PresentGraphPicture() {}

  // --- the parameter panel ---
  virtual void CloseParameterPanel() {}
  virtual void HideParameterPanel() {}
  // Back as the navigator's parameter button brings it.
  virtual void ShowParameterPanel() {}

  // --- where the windows open (the defaults leave the position alone) ---
  // The calculus window: at the graph window's right edge, level with its top.
  virtual void PlaceCalculusWindow(int& left, int& top) {}
  // The tangent window of that height: beside the graph window, below the navigator's
  // memo.
  virtual void PlaceTangentWindow(int height, int& left, int& top) {}
};
