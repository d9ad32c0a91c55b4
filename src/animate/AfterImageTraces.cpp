#include "animate/AfterImageTraces.h"

#include <vector>

#include "animate/AfterImageHistory.h"
#include "formula/DocumentState.h"
#include "formula/Records.h"
#include "render/DrawToolkit.h"
#include "render/EntryDrawers.h"
#include "render/RedrawHost.h"
#include "render/RedrawPipeline.h"
#include "render/RenderState.h"

namespace {

// Every 40th locus segment shows the back bitmap while a file loads.
constexpr int kSegmentsPerProgress = 40;

bool IsPointEntry(const Tfuncprop& e) {
  return e.kind == kKindPoint && e.letter >= 1 && e.letter <= kMaxPoints;
}

TSpacePoint CurrentPosition(int point) {
  const std::vector<TSpacePoint>& points = doc.PointSequences[point];
  if (!points.empty()) return points[0];
  TSpacePoint none;
  none.valid = 0;
  return none;
}

// Where a point lies on the plane picture (projected in space), as the point entries are
// drawn; false when it has no place there.
bool LocusPosition(const TSpacePoint& p, Extended& x, Extended& y) {
  return p.valid && ProjectRecordPoint(p, x, y) && ToLogCoordinates(x, y);
}

// From the point's previous position to its position now, drawn where either end is in
// view (clipped); otherwise only the new position is plotted.
void DrawLocusSegment(gfx::Canvas& canvas, const Tfuncprop& e) {
  const TSpacePoint p = CurrentPosition(e.letter);
  TSpacePoint& q = doc.PreviousPointPositions[e.letter];
  Extended px = 0, py = 0, qx = 0, qy = 0;
  if (e.shown && LocusPosition(p, px, py)) {
    canvas.pen.color = OutputColor(static_cast<gfx::Color>(e.color));
    canvas.pen.width = ScaleToOutput(e.penWidth);
    canvas.pen.style = gfx::PenStyle::Solid;
    if (LocusPosition(q, qx, qy) && (PointInViewMargin(0, qx, qy) || PointInViewMargin(0, px, py))) {
      DrawWorldSegment(canvas, 0, {}, qx, qy, px, py);
      if (doc.IncrementalDisplay && ++doc.LocusSegmentCounter >= kSegmentsPerProgress) {
        doc.LocusSegmentCounter = 0;
        ShowDrawingProgress(BackCanvas());
      }
    } else {
      PlotWorldPoint(canvas, px, py);
    }
  }
  q = p;
}

// The traces of the step with the values and points as they are now.
bool DrawTraces(gfx::Canvas& canvas) {
  bool traced = false;
  settings.AfterImagePale = 1;
  for (int i = 1; i <= doc.EntryCount; ++i) {
    const Tfuncprop& e = doc.FigureTable[i];
    if (!e.afterImage) continue;
    if (modes.LocusOn && settings.LocusSegmentsDrawn && IsPointEntry(e)) {
      DrawLocusSegment(canvas, e);
      traced = true;
    }
    if (modes.AfterImageOn && (e.usesPoint || e.dependsOnParameter)) {
      if (doc.Dimension == 3)
        DrawSpaceEntryAfterImage(canvas, i);
      else
        DrawEquationRecord(canvas, i);
      traced = true;
    }
  }
  settings.AfterImagePale = 0;
  return traced;
}

// What a replay changes and gives back afterwards.
struct ReplayedState {
  TVariableValues values = doc.VariableValues;
  Extended theta = doc.ThetaDisplayValue, omega = doc.OmegaDisplayValue;
  decltype(doc.FigureTable) entries = doc.FigureTable;
  decltype(doc.PreviousPointPositions) positions = doc.PreviousPointPositions;
  uint8_t afterImageOn = modes.AfterImageOn, locusOn = modes.LocusOn;

  void Restore() const {
    doc.VariableValues = values;
    doc.ThetaDisplayValue = theta;
    doc.OmegaDisplayValue = omega;
    doc.FigureTable = entries;
    doc.PreviousPointPositions = positions;
    modes.AfterImageOn = afterImageOn;
    modes.LocusOn = locusOn;
  }
};

}  // namespace

void SavePointPositions() {
  for (int i = 1; i <= doc.EntryCount; ++i) {
    const Tfuncprop& e = doc.FigureTable[i];
    if (IsPointEntry(e)) doc.PreviousPointPositions[e.letter] = CurrentPosition(e.letter);
  }
}

bool DrawStepTraces(gfx::Canvas& canvas) {
  PrepareRedraw();
  return DrawTraces(canvas);
}

void RedrawAfterImages(gfx::Canvas& target) {
  if (!settings.AfterImageHistory) return;
  const ReplayedState saved;
  const bool ontoComposite = &target == &CompositeCanvas();
  gfx::Canvas& traces = ontoComposite ? static_cast<gfx::Canvas&>(BackCanvas()) : target;

  for (int n = 1; n <= kMaxPoints; ++n) doc.PreviousPointPositions[n].valid = 0;
  modes.AfterImageOn = 0;
  modes.LocusOn = 0;
  const TAfterImageEntry* snapshot = settings.AfterImageHistory;
  while (snapshot->older) snapshot = snapshot->older;
  for (; snapshot; snapshot = snapshot->newer) {
    const bool locusWasOn = modes.LocusOn;
    ApplyAfterImageSnapshot(*snapshot);
    PrepareRedraw();
    if (modes.LocusOn && !locusWasOn) SavePointPositions();
    DrawTraces(traces);
  }

  if (ontoComposite) CopyGraphBitmap(BackCanvas(), target, gfx::CopyMode::Copy);
  saved.Restore();
  PrepareRedraw();
}
