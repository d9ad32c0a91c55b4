#include "render/RedrawPipeline.h"

#include "formula/ConstructedPoints.h"
#include "formula/DocumentState.h"
#include "formula/EvalHelpers.h"
#include "platform/Runtime.h"
#include "render/Axes.h"
#include "render/DrawToolkit.h"
#include "render/EntryDrawers.h"
#include "render/LabelDrawing.h"
#include "render/PointEntries.h"
#include "render/RedrawHost.h"
#include "render/RenderState.h"
#include "render/SpaceAxes.h"
#include "render/SpaceScene.h"
#include "render/SurfaceGrid.h"

namespace {

// One call of a pipeline entry point. A call made while the window lets events through
// in the middle of a drawing does not run; one whole redraw follows the drawing instead.
class PipelineCall {
 public:
  PipelineCall() : run_(!render.InsideWindowHook) {
    if (run_)
      ++render.RedrawDepth;
    else
      render.RedrawDeferred = 1;
  }
  ~PipelineCall() {
    if (!run_ || --render.RedrawDepth > 0 || !render.RedrawDeferred || rerunning_) return;
    rerunning_ = true;
    render.RedrawDeferred = 0;
    RedrawAll();
    // What was asked for during that redraw is in its picture or in a later one.
    render.RedrawDeferred = 0;
    rerunning_ = false;
  }
  PipelineCall(const PipelineCall&) = delete;
  PipelineCall& operator=(const PipelineCall&) = delete;
  bool Runs() const { return run_; }

 private:
  bool run_;
  static inline bool rerunning_ = false;
};

bool InPlane() { return doc.Dimension != 3; }
bool Moves(const Tfuncprop& e) { return e.usesPoint || e.dependsOnParameter; }

// The canvas the window shows; labels go there, or onto the print picture.
gfx::Canvas* LabelCanvas() {
  if (render.WindowImage) return render.WindowImage;
  return settings.DrawToMetafile ? &CompositeCanvas() : nullptr;
}

void DrawLabels() {
  gfx::Canvas* canvas = LabelCanvas();
  if (canvas) DrawAllLabels(*canvas, settings.OutputScale);
}

void CopyCompositeToWindow() { PipelineHost().CopyBufferToGraph(gfx::CopyMode::Copy); }

// The background picture on the drawing area, through the grey conversion on grey and
// black paper.
void DrawPicture(gfx::Canvas& back) {
  const TBitmap& picture = render.BackgroundPicture;
  gfx::Rect target;
  if (picture.Empty() || !BackgroundPictureRect(picture.Width(), picture.Height(), doc.GraphWidth,
                                                doc.GraphHeight, target))
    return;
  gfx::RasterCanvas source(1, 1);
  source.Image() = picture.Image().convertToFormat(QImage::Format_RGB32);
  const gfx::Rect whole{0, 0, source.Width(), source.Height()};
  if (!settings.DrawToMetafile) {
    back.CopyRect(target, source, whole, gfx::CopyMode::Copy);
    return;
  }
  if (!settings.MetafileCanvas) return;
  if (modes.OutputColorMode != 0) {
    gfx::RasterCanvas grey(source.Width(), source.Height());
    ConvertToInvertedGrey(source, grey);
    settings.MetafileCanvas->CopyRect(target, grey, whole, gfx::CopyMode::Copy);
  } else {
    settings.MetafileCanvas->CopyRect(target, source, whole, gfx::CopyMode::Copy);
  }
}

void DrawPlaneBackground() {
  if (doc.BackgroundDirty) DrawBackgroundPicture();
  gfx::Canvas& back = BackCanvas();
  if (settings.DrawToMetafile && doc.IntervalMode) PipelineHost().DrawIntervalRegion(back);
  for (int i = 1; i <= doc.EntryCount; ++i)
    if (!Moves(doc.FigureTable[i])) DrawEquationRecord(back, i);
}

void DrawSpaceBackground() {
  gfx::Canvas& back = BackCanvas();
  if (doc.BackgroundDirty) {
    ClearGraphBitmap(back);
    DrawSpaceAxesAndBox(back);
    doc.BackgroundDirty = 0;
  }
  if ((doc.EntryCount == 1 || doc.EntryCount == 2) && doc.FigureTable[1].kind == kKindExplicit) {
    ClearGraphBitmap(back);
    ComputeSurfaceGrids();
    DrawSurfaceLayer(back);
  }
}

}  // namespace

bool BackgroundPictureRect(int w, int h, int W, int H, gfx::Rect& target) {
  if (w <= 0 || h <= 0 || W <= 0 || H <= 0) return false;
  auto round = [](Extended v) { return static_cast<int>(rtl::Round(v)); };
  const int b = round(static_cast<Extended>(h) * W / w);
  if (H < b) {
    const int a = round(static_cast<Extended>(w) * H / h);
    target = {round((W - a) / 2.0L), 0, round((a + W) / 2.0L), H};
  } else {
    target = {0, round((H - b) / 2.0L), W, round((b + H) / 2.0L)};
  }
  return true;
}

void RedrawAll() {
  PipelineCall call;
  if (!call.Runs() || !ui.DrawingEnabled) return;
  PipelineHost().RefreshRangeForm();
  doc.BackgroundDirty = 1;
  PipelineHost().ShowRangeInStatusBar();
  switch (modes.AnimationMode) {
    case 0:
      PrepareRedraw();
      RedrawBackground();
      // With a history the replay of the after-images draws them.
      if (modes.AfterImageOn && !settings.AfterImageHistory) DrawAfterImages();
      break;
    case 2: case 3: case 4: case 5:
      PrepareRedraw();
      RedrawToBackBitmap();
      break;
    default:
      RedrawGraph();
      break;
  }
  RepaintByMode(CompositeCanvas());
  DrawLabels();
}

void PrepareRedraw() {
  for (int i = 1; i <= kMaxDefinitions; ++i) doc.DefinedConstantDirty[i] = 1;
  for (int i = 1; i <= kMaxPoints; ++i) doc.PointSequenceDirty[i] = 1;
  eng.UseFigureFormulas = InPlane() ? 1 : 0;
  for (int i = 1; i <= doc.EntryCount; ++i) {
    const Tfuncprop& e = doc.FigureTable[i];
    if (e.kind == kKindPoint && e.signedSubkind() < 100 && e.letter >= 1 && e.letter <= kMaxPoints)
      RefreshPointSequence(e.letter, i);
  }
  eng.UseFigureFormulas = 0;
  for (int i = 1; i <= doc.DefinedConstantCount && i <= kMaxDefinitions; ++i) RecomputeDefinedValue(i);
}

void RedrawBackground() {
  PipelineCall call;
  if (!call.Runs()) return;
  if (InPlane())
    DrawPlaneBackground();
  else
    DrawSpaceBackground();
}

void DrawBackgroundPicture() {
  gfx::Canvas& back = BackCanvas();
  ClearGraphBitmap(back);
  if (settings.BackgroundShown) DrawPicture(back);
  DrawAxes(back, 1);
  doc.BackgroundDirty = 0;
}

void DrawAfterImages() {
  gfx::Canvas& back = BackCanvas();
  settings.AfterImagePale = 1;
  for (int i = 1; i <= doc.EntryCount; ++i) {
    const Tfuncprop& e = doc.FigureTable[i];
    if (!Moves(e) || !e.afterImage) continue;
    if (InPlane())
      DrawEquationRecord(back, i);
    else
      DrawSpaceEntryAfterImage(back, i);
  }
  settings.AfterImagePale = 0;
}

void ComposeGraph(int target) {
  PipelineCall call;
  if (!call.Runs()) return;
  gfx::Canvas* canvas = target == 1 ? render.WindowImage : &CompositeCanvas();
  if (!canvas) return;
  CopyGraphBitmap(BackCanvas(), *canvas, gfx::CopyMode::Copy);
  DrawAxes(*canvas, 2);
  PrepareRedraw();
  for (int i = 1; i <= doc.EntryCount; ++i)
    if (Moves(doc.FigureTable[i])) DrawEquationRecord(*canvas, i);
  if (doc.IntervalMode) {
    PipelineHost().RefreshInterval();
    return;
  }
  if (target == 1) {
    DrawPointListLabels(*canvas);
    DrawAllLabels(*canvas, settings.OutputScale);
  } else {
    CopyCompositeToWindow();
  }
}

void RedrawGraph() {
  PipelineCall call;
  if (!call.Runs()) return;
  PrepareRedraw();
  RedrawBackground();
  if (modes.AfterImageOn) DrawAfterImages();
  if (InPlane())
    ComposeGraph(0);
  else
    RedrawSpaceScene();
}

void RedrawToBackBitmap() {
  PipelineCall call;
  if (!call.Runs()) return;
  DrawBackgroundPicture();
  DrawEquationRecord(BackCanvas(), 1);
  CopyGraphBitmap(BackCanvas(), CompositeCanvas(), gfx::CopyMode::Copy);
  DrawAxes(CompositeCanvas(), 2);
}

void RepaintByMode(gfx::Canvas& canvas) {
  PipelineCall call;
  if (!call.Runs()) return;
  switch (modes.AnimationMode) {
    case 0:
      PipelineHost().RedrawAfterImages(canvas);
      // The composition ends with the copy to the window, or in interval mode with the
      // interval's refresh, which saves the serial frame itself.
      if (InPlane()) {
        ComposeGraph(0);
        if (doc.IntervalMode) break;
      } else {
        RedrawSpaceScene();
      }
      PipelineHost().SaveContinuousFrame();
      break;
    case 1: PipelineHost().RefreshInterval(); break;
    case 2: PipelineHost().PaintRiemannSums(canvas); break;
    case 3: PipelineHost().PaintMeanRate(canvas); break;
    case 4: PipelineHost().PaintIntegral(canvas); break;
    case 5: PipelineHost().PaintTangent(canvas); break;
    case 6:
      if (doc.IntervalMode) PipelineHost().RefreshInterval();
      break;
    default: break;
  }
}
