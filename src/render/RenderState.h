#pragma once
// Program-wide state of the plane picture: the graph window's two off-screen bitmaps, the
// canvas of the window's own picture, the background picture, and the bookkeeping that
// keeps a redraw from starting inside another.
//
//   BackBitmap       what stays while parameters move: background picture, grid, and the
//                    entries that neither use a point nor depend on a parameter
//   CompositeBitmap  a copy of the back bitmap with everything that moves drawn over it;
//                    this is what the window shows
//
// The tick spacing reference (ReferenceHeight) belongs to the tick steps; BackgroundDirty
// and the drawing size belong to the document state.
#include <cstdint>
#include <memory>

#include "platform/Bitmap.h"
#include "platform/RasterCanvas.h"

struct RenderState {
  std::unique_ptr<gfx::RasterCanvas> BackBitmap, CompositeBitmap;
  // The window's picture (graphpaint); nil while no window shows the graph.
  gfx::Canvas* WindowImage = nullptr;
  // The loaded background picture, 24 bits per pixel; empty when none is loaded.
  TBitmap BackgroundPicture;

  // Depth of the pipeline's entry points on the stack.
  int RedrawDepth = 0;
  // Set while the redraw host runs a request that may let events through; a redraw asked
  // for then is run once after the current one.
  std::uint8_t InsideWindowHook = 0;
  std::uint8_t RedrawDeferred = 0;
};

extern RenderState render;

// Frees and recreates both bitmaps, white, at GraphWidth x GraphHeight (each side held to
// 1..kMaxBitmapSide).
void RecreateBufferBitmaps();
inline constexpr int kMaxBitmapSide = 16384;
// The bitmaps, created at the drawing size on first use.
gfx::RasterCanvas& BackCanvas();
gfx::RasterCanvas& CompositeCanvas();
// Bitmaps, window link, background picture and bookkeeping back to nothing.
void ResetRenderState();
