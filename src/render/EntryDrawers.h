#pragma once
// The drawer of each entry by kind. A drawer gets a copy of the entry, parses its texts
// itself and releases every tree before it returns.
#include "formula/Tfuncprop.h"
#include "platform/Canvas.h"

// Draws entry `index` (1-based) of the figure table on the canvas: nothing when it is
// hidden or out of range; the whole variable block is restored afterwards, because the
// drawers set x, y and t while they sample. The nested integrals and extrema of all its
// samples share one budget, so one entry cannot freeze the redraw.
void DrawEquationRecord(gfx::Canvas& canvas, int index);
// The same for a space entry, by kind and figure type, with the point guides while they
// are shown.
void DrawSpaceEntry(gfx::Canvas& canvas, int index);
// The same for the after-image of a space entry (planes and spheres leave none).
void DrawSpaceEntryAfterImage(gfx::Canvas& canvas, int index);

// What a test learns of the drawing: each entry as it is handed to its drawer (with the
// variables as the drawer gets them), and each drawing of the surfaces. The program
// installs none.
class DrawingObserver {
 public:
  virtual ~DrawingObserver() = default;
  virtual void EntryDrawn(gfx::Canvas& canvas, const Tfuncprop& entry, int index) {}
  virtual void SurfacesDrawn(gfx::Canvas& canvas) {}
};
// nullptr: none.
void SetDrawingObserver(DrawingObserver* observer);
DrawingObserver* Observer();
