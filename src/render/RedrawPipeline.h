#pragma once
// Every change of the document ends in RedrawAll, which rebuilds the plane picture in the
// two off-screen bitmaps: the back bitmap (background picture, grid, and the entries that
// neither use a point nor depend on a parameter) and the composite bitmap (a copy of it,
// the axes over it, and every entry that moves). A parameter step needs only
// RepaintByMode, which redraws the moving layer over the unchanged back bitmap. While the
// print picture is recorded (DrawToMetafile) the same routines draw on it instead.
//
// A redraw never starts inside another: one asked for while the window lets events
// through during a drawing runs once, after it.
#include "platform/Canvas.h"

// The whole redraw; nothing while DrawingEnabled is 0.
void RedrawAll();
// Marks the cached defined constants and points stale, refreshes the points given by
// coordinates or constructions, and recomputes the defined constants.
void PrepareRedraw();
// The back layer (plane: background and the entries that stay; space: axes, box and a
// surface).
void RedrawBackground();
// The back bitmap cleared to white, the background picture, the grid (axes pass 1).
void DrawBackgroundPicture();
// The moving entries that take part in after-images, drawn pale into the back bitmap.
void DrawAfterImages();
// The moving layer on the composite bitmap (target 0) or on the window's picture (1).
void ComposeGraph(int target);
void RedrawGraph();
// The base of the calculus animations: entry 1 in the back layer, the axes over it.
void RedrawToBackBitmap();
// The last step by AnimationMode: after-images and the moving layer, or a calculus
// painter, or the interval.
void RepaintByMode(gfx::Canvas& canvas);

// Where a picture of w x h pixels is drawn on a W x H drawing area: centred, as large as
// fits, keeping its shape. False for an empty picture or drawing area.
bool BackgroundPictureRect(int w, int h, int W, int H, gfx::Rect& target);
