#include "animate/AfterImageControls.h"

#include "animate/AfterImageHistory.h"
#include "animate/AfterImageTraces.h"
#include "animate/ParameterPanelModel.h"
#include "formula/DocumentState.h"
#include "formula/Records.h"
#include "render/RedrawPipeline.h"

bool AfterImageControls::AfterImageDown() { return modes.AfterImageOn != 0; }
bool AfterImageControls::LocusDown() { return modes.LocusOn != 0; }
bool AfterImageControls::UndoShown() { return settings.AfterImageHistory != nullptr; }
bool AfterImageControls::EraseDown() { return settings.AfterImageHistory == nullptr; }
uint8_t AfterImageControls::ColorMode() { return settings.AfterImageColorMode; }

void AfterImageControls::ToggleAfterImage(bool down) {
  modes.AfterImageOn = down && doc.EntryCount > 0 ? 1 : 0;
  if (modes.AfterImageOn) {
    panel_.ApplyParameterValues(1);
    DrawAfterImages();
    PushAfterImageSnapshot();
  }
  panel_.Changed();
}

void AfterImageControls::ToggleLocus(bool down) {
  if (doc.EntryCount == 0) {
    modes.LocusOn = 0;
    panel_.Changed();
    return;
  }
  const uint8_t on = down ? 1 : 0;
  const bool changed = modes.LocusOn != on;
  modes.LocusOn = on;
  if (on) panel_.ApplyParameterValues(1);
  if (changed || (on && !settings.AfterImageHistory)) {
    SavePointPositions();
    PushAfterImageSnapshot();
  }
  panel_.Changed();
}

void AfterImageControls::EraseAfterImages() {
  ClearAfterImages(settings.AfterImageHistory);
  modes.LocusOn = 0;
  modes.AfterImageOn = 0;
  doc.BackgroundDirty = 1;
  RedrawBackground();
  panel_.RepaintGraphs();
  panel_.Changed();
}

void AfterImageControls::Undo() {
  if (!settings.AfterImageHistory) return;
  PopAfterImage(settings.AfterImageHistory);
  if (settings.AfterImageHistory) {
    ApplyAfterImageSnapshot(*settings.AfterImageHistory);
    panel_.ShowParameterValues();
  } else {
    DisposeValueList(settings.ValueChangeList);
    modes.AfterImageOn = 0;
  }
  RedrawAll();
  SavePointPositions();
  panel_.Changed();
}

void AfterImageControls::SetColorMode(uint8_t mode) {
  if (mode > 1 || mode == settings.AfterImageColorMode) return;
  settings.AfterImageColorMode = mode;
  doc.BackgroundDirty = 1;
  RedrawAll();
  panel_.Changed();
}

void AfterImageControls::UpdateEraseButton() { panel_.Changed(); }
