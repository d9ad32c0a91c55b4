#include "render/RedrawHooks.h"

#include "formula/DocumentState.h"
#include "render/RenderState.h"

TRedrawHooks RedrawHooks;

void ShowDrawingProgress() { ShowDrawingProgress(CompositeCanvas()); }

void ShowDrawingProgress(gfx::Canvas& canvas) {
  if (!doc.IncrementalDisplay || !RedrawHooks.copyCanvasToGraph || settings.DrawToMetafile) return;
  // The window may let events through here; what they ask of the pipeline waits.
  const std::uint8_t outer = render.InsideWindowHook;
  render.InsideWindowHook = 1;
  RedrawHooks.copyCanvasToGraph(canvas);
  render.InsideWindowHook = outer;
}
