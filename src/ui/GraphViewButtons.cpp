#include "ui/GraphViewButtons.h"

#include "animate/TimerJobs.h"
#include "formula/DocumentState.h"
#include "render/RedrawPipeline.h"
#include "render/SpaceView.h"
#include "render/ViewZoom2D.h"

namespace {

bool InTangentAnimation() { return modes.AnimationMode == 5; }

}  // namespace

void ViewButtonStep(int code) {
  if (doc.Dimension != 3) {
    ZoomAndRedraw(code);
    return;
  }
  SpaceViewButtonStep(code);
  doc.BackgroundDirty = 1;
  if (doc.PixelSizeX != doc.PixelSizeY) settings.UnitSizeMode = 0;
  RedrawAll();
}

void origiClick() {
  if (doc.Dimension == 3) {
    ResetSpaceViewAndRedraw();
  } else {
    ResetViewRange();
    doc.BackgroundDirty = 1;
    ApplyUnitSizeAndRedraw();
  }
  Timer1().SetEnabled(false);
}

void hiritu1Click() {
  doc.BackgroundDirty = 1;
  ApplyUnitSizeAndRedraw();
}

GraphViewButtons::GraphViewButtons(TimerJobs& timer) : timer_(timer) {
  for (uint8_t job : {job::View2DStep, job::View3DStep})
    timer_.SetJobAction(job, [this] { ViewButtonStep(ViewButtonCode); });
}

GraphViewButtons::~GraphViewButtons() {
  timer_.SetJobAction(job::View2DStep, nullptr);
  timer_.SetJobAction(job::View3DStep, nullptr);
}

void GraphViewButtons::Press(int code) {
  if (InTangentAnimation()) return;
  doc.BackgroundDirty = 1;
  ViewButtonCode = static_cast<uint8_t>(code);
  timer_.HoldViewButton(doc.Dimension == 3);
}

void GraphViewButtons::Click(int code) {
  if (ui.HideDrawActive || ui.SubFormOpen || InTangentAnimation()) return;
  timer_.SetInterval(kViewReleaseInterval);
  timer_.SetEnabled(false);
  ViewButtonStep(code);
}

void GraphViewButtons::Release() {
  if (!InTangentAnimation()) timer_.ReleaseViewButton();
}
