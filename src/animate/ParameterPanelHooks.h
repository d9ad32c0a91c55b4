#pragma once
// What the parameter panel asks of windows and parts that live elsewhere. Every call is a
// no-op until the program installs an implementation: the formula keyboard, the navigator
// and the graph window sit above this library, the 3D renderer, interval mode,
// after-images and macros are built on top of the panel. Tests install recording fakes.
// The plane picture goes through the redraw pipeline (ComposeGraph and its hooks).
#include <cstdint>
#include <filesystem>
#include <string>

struct TValueNode;

class ParameterPanelHooks {
 public:
  virtual ~ParameterPanelHooks() = default;

  // --- the formula keyboard ---
  // Asks for a text (CP932 in and out) with the caption (UTF-8) and keyboard kind, the
  // keyboard's top at `top` and its right edge at `right`. False when cancelled.
  virtual bool AskText(const std::string& caption, uint8_t kind, std::string& text, int top, int right) {
    return false;
  }

  // --- the 3D renderer (the plane goes through the redraw pipeline) ---
  // Space: the back bitmap onto the composite, the axes (pass 2), every space curve,
  // figure and point over it (the defined values and points recomputed first), the
  // composite copied to the window.
  virtual void ComposeSpaceParameterLayer() {}
  // Space with a surface as entry 1: the back bitmap cleared, the surface scene drawn and
  // shown.
  virtual void RedrawSurfaceScene() {}

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

  // --- after-images and loci ---
  // Traces of this step into the back bitmap; true when something was drawn.
  virtual bool DrawStepTraces() { return false; }
  virtual void PushAfterImageSnapshot() {}
  // The buttons follow AfterImageOn, LocusOn, the colour mode and the history.
  virtual void UpdateAfterImageButtons() {}
  virtual void UpdateEraseButton() {}
  virtual void SavePointPositions() {}

  // --- interval mode (its refresh is the redraw pipeline's hook) ---
  // The panel's interval layout (AnimationMode 1).
  virtual void ShowIntervalLayout() {}
  virtual void HideIntervalLayout() {}
  // At every show: the interval colour and style selector drawn.
  virtual void DrawIntervalSelector() {}
  // At every show: bounds that use a parameter give that parameter a row.
  virtual void CheckIntervalUsesParameter() {}
  virtual void ResetIntervalControls() {}

  // --- macros ---
  // The handlers bound to the changed codes (the change list) run.
  virtual void RunMacroChangeHandlers(const TValueNode* changes) {}
};
