#include "animate/CalculusWindows.h"

#include <QPointer>

#include "animate/CalculusDrawing.h"
#include "animate/Tintegnavi.h"
#include "formula/DocumentState.h"
#include "platform/KeepOnScreen.h"
#include "render/RedrawPipeline.h"

namespace {

QPointer<Tintegnavi> window;
CalculusHost* host = nullptr;
platform::QtEventPump pump;

void Open(CalculusSet set, uint8_t animationMode) {
  CloseCalculusWindow();
  modes.AfterImageOn = 0;
  modes.AnimationMode = animationMode;
  if (set == CalculusSet::Riemann) ui.SubFormOpen = 1;
  PrepareRedraw();
  RedrawToBackBitmap();
  RefreshGraphPicture();
  window = new Tintegnavi(set, Timer1(), pump, host);
  int left = window->x(), top = window->y();
  if (host) host->PlaceCalculusWindow(left, top);
  platform::PlaceOnScreen(*window, left, top);
  Timer1().SetInterval(kReleasedInterval);
  window->show();
  window->raise();
}

}  // namespace

void OpenMeanRateNavi() { Open(CalculusSet::MeanRate, 3); }
void OpenRiemannSumNavi() { Open(CalculusSet::Riemann, 2); }
void OpenIntegralTheoremNavi() { Open(CalculusSet::Integral, 4); }

void CloseCalculusWindow() {
  if (CalculusWindowOpen()) window->close();
}

bool CalculusWindowOpen() { return window && window->isVisible(); }

Tintegnavi* CalculusWindow() { return window; }

void FreeCalculusWindow() { delete window; }

void SetCalculusWindowHost(CalculusHost* h) { host = h; }
