#pragma once
// What the calculus animations (the calculus window and the tangent window) ask of the
// windows above this library: the formula keyboard, the colour dialog, the graph window,
// the navigator and the parameter panel. Every call is a no-op (a question is cancelled)
// until the program installs its answers; tests install a recording fake.
#include <cstdint>
#include <optional>
#include <string>

#include "animate/WindowQuestions.h"

// The keyboard, the colour dialog and messages are the shared questions.
class CalculusHost : public WindowQuestions {
 public:
  virtual ~CalculusHost() = default;

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
  // Back to parameter mode, as the navigator's parameter button brings the panel back.
  virtual void ReturnToParameterMode() {}

  // --- where the windows open (the defaults leave the position alone) ---
  // The calculus window: at the graph window's right edge, level with its top.
  virtual void PlaceCalculusWindow(int& left, int& top) {}
  // The tangent window of that height: beside the graph window, below the navigator's
  // memo.
  virtual void PlaceTangentWindow(int height, int& left, int& top) {}
};
