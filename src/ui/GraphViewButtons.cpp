#include "ui/GraphViewButtons.h"

#include <algorithm>
#include <numbers>

#include "animate/TimerJobs.h"
#include "formula/DocumentState.h"
#include "render/RedrawPipeline.h"
#include "render/ViewZoom2D.h"
#include "ui/GraphViewHooks.h"

namespace {

constexpr Extended kPi = std::numbers::pi_v<Extended>;
constexpr Extended kTurn = kPi / 80;
constexpr float kRoot2 = 1.41421356f;

bool InTangentAnimation() { return modes.AnimationMode == 5; }

template <typename... Args>
void Call(void (*hook)(Args...), Args... args) {
  if (hook) hook(args...);
}

void SpaceStep(int code) {
  switch (code) {
    case 0:
    case 1:
      doc.CameraPhi += code == 0 ? -kTurn : kTurn;
      if (doc.CameraPhi > kPi) doc.CameraPhi -= 2 * kPi;
      if (doc.CameraPhi <= -kPi) doc.CameraPhi += 2 * kPi;
      Call(GraphViewHooks.updateCamera);
      break;
    case 2:
    case 3:
      doc.CameraTheta += code == 2 ? kTurn : -kTurn;
      if (doc.CameraTheta >= 2 * kPi / 5) doc.CameraTheta = 2 * kPi / 5;
      if (doc.CameraTheta <= kTurn) doc.CameraTheta = kTurn;
      Call(GraphViewHooks.updateCamera);
      break;
    case 4: Call(GraphViewHooks.scaleSpaceRange, kRoot2); break;
    case 5: Call(GraphViewHooks.scaleSpaceRange, 1 / kRoot2); break;
    case 13: doc.ShadingLevel = std::min(doc.ShadingLevel + 1, 30); break;
    case 14: doc.ShadingLevel = std::max(doc.ShadingLevel - 1, 5); break;
    case 15: Call(GraphViewHooks.zoomCameraDistance, 1 / kRoot2); break;
    case 16: Call(GraphViewHooks.zoomCameraDistance, kRoot2); break;
    default: break;
  }
  doc.BackgroundDirty = 1;
  if (doc.PixelSizeX != doc.PixelSizeY) settings.UnitSizeMode = 0;
  RedrawAll();
}

}  // namespace

void ViewButtonStep(int code) {
  if (doc.Dimension == 3)
    SpaceStep(code);
  else
    ZoomAndRedraw(code);
}

void origiClick() {
  if (doc.Dimension == 3) {
    Call(GraphViewHooks.resetSpaceViewAndRedraw);
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
