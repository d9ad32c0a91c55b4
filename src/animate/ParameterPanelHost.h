#pragma once
// What the parameter panel asks of windows and parts that live elsewhere. Every call is a
// no-op until the program installs an implementation: the formula keyboard, the navigator,
// the graph window and the shared selector pictures sit above this library, and macros
// run on top of the panel. Tests install recording fakes.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "animate/WindowQuestions.h"
#include "platform/Canvas.h"

struct TValueNode;
namespace gfx {
class RasterCanvas;
}

// The formula keyboard and the colour dialog are the shared questions.
class ParameterPanelHost : public WindowQuestions {
 public:
  virtual ~ParameterPanelHost() = default;

  // --- the navigator and the graph window ---
  virtual void EnableNavigator() {}
  // Where the panel goes: at creation 100 pixels below the navigator's memo; at each show
  // at the graph window's right edge, moved up when its bottom would lie more than 40
  // pixels below the navigator's. The default leaves the position alone.
  virtual void PlacePanel(bool atCreation, int height, int& left, int& top) {}
  // The navigator's outer height and bottom edge (0 when there is no navigator): the
  // macro editor opened beside the panel stays within them.
  virtual int NavigatorHeight() { return 0; }
  virtual int NavigatorBottom() { return 0; }
  // The folder of the demo documents (the last loaded or saved file's folder).
  virtual std::filesystem::path DemoFolder() { return {}; }

  // --- the graph window ---
  // Its picture was drawn on directly (the interval): painted again.
  virtual void UpdateGraphPicture() {}

  // --- the interval's colour and style selector (the entry window's chooser in its
  // interval form) ---
  // Drawn with the style (1 band, 2 bound lines) and the colour; its picture, nil while
  // there is none.
  virtual void DrawIntervalSelector(int style, gfx::Color colour) {}
  virtual const gfx::RasterCanvas* IntervalSelectorPicture() { return nullptr; }
  // Pressed at (x, y): the button there drawn down. Released there: -1 no hit, 0 the
  // colour swatch, 1 or 2 the style.
  virtual void PressIntervalSelector(int x, int y, gfx::Color colour) {}
  virtual int ReleaseIntervalSelector(int x, int y, gfx::Color colour) { return -1; }

  // --- macros ---
  // The handlers bound to the changed codes (the change list) run.
  virtual void RunMacroChangeHandlers(const TValueNode* changes) {}
};
