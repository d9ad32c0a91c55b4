#pragma once
// The coordinate-system chooser of the plane view settings: five buttons, Cartesian and
// polar above, the three logarithmic systems below in a frame.
#include "platform/Canvas.h"

inline constexpr int kCoordTypeSelectorWidth = 270, kCoordTypeSelectorHeight = 270;

// Button of coordinate system 0..4.
gfx::Rect CoordTypeButtonRect(int system);
// HitTestRects over the five buttons: 1..5 (the system + 1), 0 none.
int HitTestCoordTypeSelector(int x, int y);
void DrawCoordTypeSelector(gfx::Canvas& image, int selected);
