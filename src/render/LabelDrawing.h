#pragma once
// The document's labels drawn on the graph window's picture (or on the print picture):
// each label's lines typeset one below the other at its offsets (from a point of the
// graph when it is placed in graph coordinates), over a frame or a box as its background
// asks. Labels are never drawn into the off-screen bitmaps, so moving or editing one
// needs only a copy of the composite bitmap.
#include <cstdint>

#include "platform/Canvas.h"

// The label the label editor works on, and where it was last drawn (left, top, right,
// bottom of its text): the mouse drags the label by this box.
struct TLabelSelection {
  std::uint8_t CurrentLabel = 1;
  gfx::Rect CurrentLabelBox;
};
extern TLabelSelection labelSelection;

// Labels 1..LabelCount at the output scale; nothing while a calculus animation runs or
// labels are switched off. While drawing to the print picture they go there.
void DrawAllLabels(gfx::Canvas& canvas, float scale);
// Label n, when it is shown.
void DrawLabel(gfx::Canvas& canvas, int n, float scale);
// After a label changed: the composite bitmap copied onto the window's picture, the
// interval marks again, and the labels over them.
void RedrawGraphWithLabels();
