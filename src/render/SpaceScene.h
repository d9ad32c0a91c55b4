#pragma once
// The whole space picture. The back bitmap holds the axes and the range box, or a
// document's surfaces with theirs; the composite bitmap is a copy of it with every space
// curve, figure and point drawn over it, and is shown with the point names and the labels
// on the window.
#include "platform/Canvas.h"

// The back layer rebuilt when entry 1 is a surface (unless it already shows the surfaces
// as they are now), then the scene composed and shown.
void RedrawSpaceScene();
// The back bitmap onto the composite bitmap, every space entry over it, the composite
// onto the window with the point names and the labels.
void ComposeSpaceScene();
// The back bitmap cleared, the surfaces sampled (when needed) and drawn, the scene
// composed and shown: a parameter step of a document with surfaces.
void RedrawSurfaceScene();

// The surfaces as the redraw pipeline's back layer draws them; drawn into the back
// bitmap, they are known to be there until the view, the grids, a setting or the bitmap
// change.
void DrawSurfaceLayer(gfx::Canvas& canvas);
