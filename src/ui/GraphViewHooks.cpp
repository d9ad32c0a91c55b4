#include "ui/GraphViewHooks.h"

#include "formula/DocumentState.h"
#include "render/DrawToolkitMapping.h"
#include "render/RedrawPipeline.h"
#include "render/SpaceView.h"

TGraphViewHooks GraphViewHooks{ResetViewRangePlain, ResetSpaceView, NormalizeSpaceRange, UpdateCamera};

void ResetViewRangePlain() {
  doc.ViewRange = TViewRange{};
  if (settings.GraphWindowMode == 1) UpdatePixelSize(0);
  RedrawAll();
}
