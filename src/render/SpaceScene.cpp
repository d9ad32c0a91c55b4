#include "render/SpaceScene.h"

#include <optional>

#include "formula/DocumentState.h"
#include "render/DrawToolkitOutput.h"
#include "render/EntryDrawers.h"
#include "render/LabelDrawing.h"
#include "render/PointEntries.h"
#include "render/RedrawHost.h"
#include "render/RedrawPipeline.h"
#include "render/RenderState.h"
#include "render/Surfaces.h"
#include "render/SurfaceGrid.h"

namespace {

// Everything the surfaces' picture in the back bitmap depends on besides the bitmap.
struct SurfaceLayerKey {
  std::uint64_t grids = 0;
  int32_t distance = 0;
  Extended theta = 0, phi = 0, range = 0, axisLength = 0;
  uint8_t drawMode = 0, colorsNotInverted = 0, axesShown = 0, boxShown = 0, axisWidth = 0, lineWidth = 0;
  int32_t shading = 0;
  uint8_t frontBack = 0, outputMode = 0;
  float outputScale = 0;
  Tlfont font;
  int32_t width = 0, height = 0;
  TViewRange view;
  uint8_t entryCount = 0;
  Tfuncprop first, second;
  bool operator==(const SurfaceLayerKey&) const = default;
};

SurfaceLayerKey CurrentKey() {
  SurfaceLayerKey k;
  k.grids = SurfaceGridGeneration();
  k.distance = doc.CameraDistance;
  k.theta = doc.CameraTheta;
  k.phi = doc.CameraPhi;
  k.range = doc.SpaceRange;
  k.axisLength = doc.AxisLength3D;
  k.drawMode = doc.SurfaceDrawMode;
  k.colorsNotInverted = doc.SpaceColorsNotInverted;
  k.axesShown = doc.Axes3DShown;
  k.boxShown = doc.RangeBoxShown;
  k.axisWidth = doc.AxisWidth;
  k.lineWidth = doc.LineWidthSetting;
  k.shading = doc.ShadingLevel;
  k.frontBack = settings.DistinguishFrontBack;
  k.outputMode = modes.OutputColorMode;
  k.outputScale = settings.OutputScale;
  k.font = doc.GraphFont;
  k.width = doc.GraphWidth;
  k.height = doc.GraphHeight;
  k.view = doc.ViewRange;
  k.entryCount = doc.EntryCount;
  k.first = doc.FigureTable[1];
  if (doc.EntryCount >= 2) k.second = doc.FigureTable[2];
  return k;
}

// The surfaces last drawn into the back bitmap, and the bitmap's contents just after.
struct SurfaceLayer {
  SurfaceLayerKey key;
  const gfx::RasterCanvas* bitmap = nullptr;
  qint64 contents = 0;
};
std::optional<SurfaceLayer> lastLayer;

// The back bitmap shows the surfaces as they would be drawn now: nothing has drawn
// into it since (any drawing changes its contents key), and nothing they depend on
// has changed.
bool SurfaceLayerCurrent() {
  const gfx::RasterCanvas* back = render.BackBitmap.get();
  return lastLayer && back && lastLayer->bitmap == back && lastLayer->contents == back->Image().cacheKey() &&
         lastLayer->key == CurrentKey();
}

}  // namespace

void DrawSurfaceLayer(gfx::Canvas& canvas) {
  if (DrawingObserver* observer = Observer()) observer->SurfacesDrawn(canvas);
  DrawSurfaces(canvas);
  const gfx::RasterCanvas* back = render.BackBitmap.get();
  if (back && &canvas == back && !settings.DrawToMetafile)
    lastLayer = SurfaceLayer{CurrentKey(), back, back->Image().cacheKey()};
}

void RedrawSpaceScene() {
  doc.SpaceSurfacePresent = 0;
  if (HasSurface()) {
    doc.SpaceSurfacePresent = 1;
    // After a redraw that has just drawn them, a second drawing would give the same
    // picture.
    ComputeSurfaceGrids();
    if (!SurfaceLayerCurrent()) RedrawBackground();
  }
  ComposeSpaceScene();
}

void ComposeSpaceScene() {
  gfx::Canvas& composite = CompositeCanvas();
  CopyGraphBitmap(BackCanvas(), composite, gfx::CopyMode::Copy);
  for (int i = 1; i <= doc.EntryCount; ++i) DrawSpaceEntry(composite, i);
  PipelineHost().CopyBufferToGraph(gfx::CopyMode::Copy);
  if (!render.WindowImage) return;
  DrawPointListLabels(*render.WindowImage);
  DrawAllLabels(*render.WindowImage, settings.OutputScale);
}

void RedrawSurfaceScene() {
  ComputeSurfaceGrids();
  if (!SurfaceLayerCurrent()) {
    gfx::Canvas& back = BackCanvas();
    ClearGraphBitmap(back);
    DrawSurfaceLayer(back);
  }
  ComposeSpaceScene();
}
