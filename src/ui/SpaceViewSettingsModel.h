#pragma once
// The logic of the space view-settings window without widgets: what its controls show
// when it opens, and each control's change written into the program-wide setting at once,
// followed by a redraw (of the graph for the surfaces' drawing and divisions, of
// everything for the rest). The window shows and calls these; tests call them directly.
#include <cstdint>

#include "formula/Tlabelrec.h"

namespace platform {
class Dialogs;
}

// What the controls show.
struct SpaceViewSettingsControls {
  int divisions = 20;  // the grid divisions to a multiple of 10
  int drawMode = 1;    // 0 wire frame, 1 painted with its mesh, 2 painted without
  bool frontBack = false, inverted = false, grey = false;
  bool pointFontCustom = false;
  int pointFontSize = 12, axisFontSize = 12;
  bool axesShown = true, thickAxes = false, rangeBox = false, perpendiculars = false;
  int drawingSize = 0, drawingSizeMax = 2000;  // the side of the square drawing area
};

// The check boxes; each writes one setting.
enum class SpaceViewSwitch : std::uint8_t {
  RangeBox,        // "範囲枠表示"
  Inverted,        // "色の反転": the shading colours inverted
  FrontBack,       // "表裏を区別"
  Perpendiculars,  // "点から軸への垂線表示"
  Axes,            // "座標軸の表示"
  ThickAxes,       // "軸を太く表示": axis width 2, else 1
  Grey,            // "白黒表示": grey output, else colour
};

class SpaceViewSettingsModel {
 public:
  // Side limits of the drawing area; the largest is at most the screen's height.
  static constexpr int kMinDrawingSize = 200, kMaxDrawingSize = 2000;
  static constexpr int kMinDivisions = 20, kMaxDivisions = 200;
  static constexpr int kMinFontSize = 9, kMaxFontSize = 40;

  static SpaceViewSettingsControls Controls(int screenHeight);

  void SetDrawMode(int mode);   // 0..2
  void SetDivisions(int n);     // 20..200
  void SetSwitch(SpaceViewSwitch which, bool on);
  void SetPointFontSize(int size);  // 9..40
  void SetAxisFontSize(int size);   // 9..40
  // "標準": the point names in the standard font; "その他": a font chosen in the dialog
  // (false when it was cancelled).
  void UseStandardPointFont();
  bool ChoosePointFont(platform::Dialogs& dialogs);
};
