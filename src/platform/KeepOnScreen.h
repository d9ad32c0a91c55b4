#pragma once
// Windows placed by their own rules (beside another window, above the keyboard, at a
// point of the graph) can land partly off the screen on a small one. They are moved, never
// resized, so that they lie inside the work area of the screen they are on.
#include "platform/Screen.h"

class QWidget;

namespace platform {

// The window moved inside the area: back from the right and bottom edges first, then from
// the left and top ones, so that a window larger than the area shows its top-left corner.
ScreenRect KeptInside(const ScreenRect& window, const ScreenRect& area);

// Moves the top-level window so that its frame's top-left corner is at (left, top), or as
// near as keeps the frame inside the work area of the screen there (the primary screen
// when none is).
void PlaceOnScreen(QWidget& window, int left, int top);
// The same where the window is now: after it was shown or grew.
void KeepOnScreen(QWidget& window);

}  // namespace platform
