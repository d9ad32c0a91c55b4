#pragma once
// Moving the current label with the mouse while the label editor is open: the graph
// window's mouse handlers call these with pixel positions on its picture. The label is
// grabbed inside the box it was last drawn in; while it moves, its offsets follow the
// mouse (in unscaled pixels, whatever the line-width setting) and a grey outline shows
// the box.
#include "platform/Canvas.h"

class LabelEditorModel;

class LabelDrag {
 public:
  explicit LabelDrag(LabelEditorModel& editor) : editor_(editor) {}

  // The mouse is over the current label (strictly inside its box): the window shows its
  // "drag" hint at the box's bottom-right corner.
  bool Over(int x, int y) const;
  // A press on the label starts a move (SnapMode 3) and outlines the box; anywhere else
  // SnapMode is 2. True when a move started.
  bool Press(int x, int y, gfx::Canvas& picture);
  // While moving: the offsets follow the mouse, the outline with them.
  void Move(int x, int y, gfx::Canvas& picture);
  // The move ends; the picture shows the label at its new place.
  void Release(gfx::Canvas& picture);

 private:
  // Drawn twice, the outline is gone again.
  void Outline(gfx::Canvas& picture) const;

  LabelEditorModel& editor_;
  int startX_ = 0, startY_ = 0;
  int startLeft_ = 0, startTop_ = 0;
  gfx::Rect startBox_, outline_;
};
