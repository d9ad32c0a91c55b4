#include "render/RenderState.h"

#include <algorithm>

#include "formula/DocumentState.h"

RenderState render;

namespace {

int Side(int32_t v) { return std::clamp<int32_t>(v, 1, kMaxBitmapSide); }

gfx::RasterCanvas& Ensure(std::unique_ptr<gfx::RasterCanvas>& bitmap) {
  if (!bitmap) bitmap = std::make_unique<gfx::RasterCanvas>(Side(doc.GraphWidth), Side(doc.GraphHeight));
  return *bitmap;
}

}  // namespace

void RecreateBufferBitmaps() {
  render.BackBitmap.reset();
  render.CompositeBitmap.reset();
  Ensure(render.BackBitmap);
  Ensure(render.CompositeBitmap);
}

gfx::RasterCanvas& BackCanvas() { return Ensure(render.BackBitmap); }
gfx::RasterCanvas& CompositeCanvas() { return Ensure(render.CompositeBitmap); }

void ResetRenderState() { render = RenderState{}; }
