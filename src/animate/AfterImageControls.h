#pragma once
// The after-image and locus controls of the parameter panel: the two switches, undo,
// erase and the colour of the after-images. The buttons show the program state as it
// stands (AfterImageOn, LocusOn, the history, AfterImageColorMode); each operation ends by
// telling the panel to show it again. The macro statements afimageon/off, locuson/off and
// cls, and the navigator before an edit, come here too.
#include <cstdint>

class ParameterPanelModel;

class AfterImageControls {
 public:
  explicit AfterImageControls(ParameterPanelModel& panel) : panel_(panel) {}

  // The buttons as they are shown.
  static bool AfterImageDown();
  static bool LocusDown();
  static bool UndoShown();  // a history exists
  static bool EraseDown();  // the history is empty
  static uint8_t ColorMode();

  // zanBt: without entries the button stays up. Switched on, every value goes into the
  // change list, the moving entries are drawn as after-images into the back bitmap and a
  // snapshot is pushed.
  void ToggleAfterImage(bool down);
  // locusBt: without entries the button stays up. Switched on, every value goes into the
  // change list; a change of the switch, or switching on without a history, saves the
  // point positions and pushes a snapshot.
  void ToggleLocus(bool down);
  // eraseBT: the history and both switches cleared, the back layer rebuilt and the
  // moving layer drawn again.
  void EraseAfterImages();
  // undoBT: the newest snapshot removed and the one before applied (without one, the
  // after-images switched off), then everything redrawn with the remaining history.
  void Undo();
  // zancolor1 (0, the display colour) and zancolor2 (1, pale): a change redraws all.
  void SetColorMode(uint8_t mode);
  // The erase button follows the history.
  void UpdateEraseButton();

 private:
  ParameterPanelModel& panel_;
};
