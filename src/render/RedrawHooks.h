#pragma once
// What the redraw pipeline calls in the windows and animations built over the renderer
// (graph window, view settings, interval mode, after-images, calculus animations). Each
// sets its hook when it is created; an unset hook does nothing, so the renderer draws the
// same bitmaps with or without them.
#include "platform/Canvas.h"

struct TRedrawHooks {
  // Graph window: the bound texts of an open view-settings window, the range in the
  // status bar, the composite bitmap copied onto the window's picture (with the second
  // axis pass, point names and labels), a canvas shown while a file loads.
  void (*refreshRangeForm)() = nullptr;
  void (*showRangeInStatusBar)() = nullptr;
  void (*copyBufferToGraph)(gfx::CopyMode mode) = nullptr;
  void (*copyCanvasToGraph)(gfx::Canvas& canvas) = nullptr;
  void (*saveContinuousFrame)() = nullptr;
  // Interval mode: its shading as a region on the print picture, and its refresh.
  void (*drawIntervalRegion)(gfx::Canvas& canvas) = nullptr;
  void (*refreshInterval)() = nullptr;
  // The after-image history replayed.
  void (*redrawAfterImages)(gfx::Canvas& canvas) = nullptr;
  // The painters of the calculus animations (animation modes 2 to 5).
  void (*paintRiemannSums)(gfx::Canvas& canvas) = nullptr;
  void (*paintMeanRate)(gfx::Canvas& canvas) = nullptr;
  void (*paintIntegral)(gfx::Canvas& canvas) = nullptr;
  void (*paintTangent)(gfx::Canvas& canvas) = nullptr;
};

extern TRedrawHooks RedrawHooks;

// While a file loads (IncrementalDisplay), the composite bitmap is shown after each curve
// (the given canvas, where the drawing goes elsewhere). A redraw asked for from inside the
// window's hook is deferred, not nested.
void ShowDrawingProgress();
void ShowDrawingProgress(gfx::Canvas& canvas);
