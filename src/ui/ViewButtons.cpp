#include "ui/ViewButtons.h"

#include "animate/TimerJobs.h"
#include "formula/DocumentState.h"
#include "render/RedrawPipeline.h"
#include "render/SpaceView.h"
#include "ui/GraphViewHooks.h"

std::uint8_t ViewButtonCode = 0;

namespace {

constexpr std::uint8_t kTangentAnimation = 5;

bool InSpace() { return doc.Dimension == 3; }

}  // namespace

void ViewButtonPress(int code) {
  if (modes.AnimationMode == kTangentAnimation) return;
  doc.BackgroundDirty = 1;
  ViewButtonCode = static_cast<std::uint8_t>(code);
  Timer1().HoldViewButton(InSpace());
}

void ViewButtonRelease() {
  if (modes.AnimationMode == kTangentAnimation) return;
  Timer1().ReleaseViewButton();
}

void ViewButtonClick(int code) {
  if (ui.HideDrawActive || ui.SubFormOpen || modes.AnimationMode == kTangentAnimation) return;
  Timer1().SetInterval(kViewReleaseInterval);
  Timer1().SetEnabled(false);
  ViewButtonStep(code);
}

void ViewButtonStep(int code) {
  if (!InSpace()) {
    if (GraphViewHooks.zoomAndRedraw) GraphViewHooks.zoomAndRedraw(code);
    return;
  }
  SpaceViewButtonStep(code);
  doc.BackgroundDirty = 1;
  if (doc.PixelSizeX != doc.PixelSizeY) settings.UnitSizeMode = 0;
  RedrawAll();
}

void ResetViewClick() {
  if (InSpace()) {
    ResetSpaceViewAndRedraw();
  } else {
    GraphViewHooks.resetViewRange();
    doc.BackgroundDirty = 1;
    if (GraphViewHooks.applyUnitSize) GraphViewHooks.applyUnitSize();
  }
  Timer1().SetEnabled(false);
}

void InstallViewButtonJobs(bool install) {
  for (std::uint8_t job : {job::View2DStep, job::View3DStep})
    Timer1().SetJobAction(job, install ? TimerJobs::Action([] { ViewButtonStep(ViewButtonCode); }) : nullptr);
}
