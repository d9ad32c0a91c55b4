#include "render/RedrawHost.h"

#include "formula/DocumentState.h"
#include "platform/InstalledHost.h"
#include "render/RenderState.h"

namespace {
InstalledHost<RedrawHost> host;
}  // namespace

RedrawHost& PipelineHost() { return host.Get(); }

void SetRedrawHost(RedrawHost* installed) { host.Install(installed); }

void ShowDrawingProgress() { ShowDrawingProgress(CompositeCanvas()); }

void ShowDrawingProgress(gfx::Canvas& canvas) {
  if (!doc.IncrementalDisplay || settings.DrawToMetafile) return;
  // The window may let events through here; what they ask of the pipeline waits.
  const std::uint8_t outer = render.InsideWindowHook;
  render.InsideWindowHook = 1;
  PipelineHost().CopyCanvasToGraph(canvas);
  render.InsideWindowHook = outer;
}
