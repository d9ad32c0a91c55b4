#pragma once
// What the redraw pipeline asks of the windows and animations built over the renderer:
// the graph window, the view-settings window, interval mode, the after-images and the
// calculus animations. The program installs its answer at start-up; until then every
// request does nothing and every painter paints nothing, so the renderer draws the same
// bitmaps with or without it. Tests install recording fakes.
#include "platform/Canvas.h"
#include "platform/Extended.h"

class RedrawHost {
 public:
  virtual ~RedrawHost() = default;

  // --- the windows ---
  // The bound texts of an open view-settings window.
  virtual void RefreshRangeForm() {}
  // The graph window: the range in its status bar, the composite bitmap copied onto its
  // picture (with the second axis pass, point names and labels), a canvas shown while a
  // file loads, and after a redraw that ends a change the next numbered frame.
  virtual void ShowRangeInStatusBar() {}
  virtual void CopyBufferToGraph(gfx::CopyMode mode) {}
  virtual void CopyCanvasToGraph(gfx::Canvas& canvas) {}
  virtual void SaveContinuousFrame() {}

  // --- the animations ---
  // Interval mode: its shading as a region on the print picture, and its refresh.
  virtual void DrawIntervalRegion(gfx::Canvas& canvas) {}
  virtual void RefreshInterval() {}
  // The after-image history replayed.
  virtual void RedrawAfterImages(gfx::Canvas& canvas) {}
  // The painters of the calculus animations (animation modes 2 to 5).
  virtual void PaintRiemannSums(gfx::Canvas& canvas) {}
  virtual void PaintMeanRate(gfx::Canvas& canvas) {}
  virtual void PaintIntegral(gfx::Canvas& canvas) {}
  virtual void PaintTangent(gfx::Canvas& canvas) {}
  // The point the zoom steps go about in the mean-rate and integral animations; false
  // while none is known.
  virtual bool AnimationZoomPoint(Extended& x, Extended& y) { return false; }
};

// Never null; the no-op host until SetRedrawHost installs another.
RedrawHost& PipelineHost();
// Installs a host (nullptr restores the no-op one); the caller keeps ownership.
void SetRedrawHost(RedrawHost* host);

// While a file loads (IncrementalDisplay), the composite bitmap is shown after each curve
// (the given canvas, where the drawing goes elsewhere). A redraw asked for from inside the
// window's answer is deferred, not nested.
void ShowDrawingProgress();
void ShowDrawingProgress(gfx::Canvas& canvas);
