#pragma once
// What the graph window asks of the view work built beside it: the 2D view-settings
// window and its zoom routines, the 3D view and its settings window. Each is set by that
// work when it lands; an unset hook does nothing. The plane view's reset starts as the
// plain reset to the standard range; the space view's hooks are the 3D renderer's.
struct TGraphViewHooks {
  // The plane view back to its standard range (x and y from -5 to 5), then a redraw.
  void (*resetViewRange)();
  // The space view's defaults for a new document.
  void (*resetSpaceView)() = nullptr;
  // The space range kept to its steps; the 2D view and the axis length follow it.
  void (*normalizeSpaceRange)() = nullptr;
  // The projection after a change of the space view.
  void (*updateCamera)() = nullptr;
  // One zoom or shift step of the plane view by a view button's code, then a redraw.
  void (*zoomAndRedraw)(int code) = nullptr;
  // The view-settings window closed when the graph fills the screen, reopened when the
  // window is back at its size of creation.
  void (*closeRangeForm)() = nullptr;
  void (*reopenRangeForm)() = nullptr;
  // The 3D settings window's size field follows the square drawing size.
  void (*showSpaceDrawingSize)(int size) = nullptr;
  // A maximised window with UnitSizeMode keeps the unit lengths of both axes equal.
  void (*applyUnitSize)() = nullptr;
};

extern TGraphViewHooks GraphViewHooks;

// x and y from -5 to 5, the pixel sizes from the drawing size (while GraphWindowMode is
// 1), a redraw.
void ResetViewRangePlain();
