#include "ui/SpaceViewSettingsModel.h"

#include <algorithm>
#include <optional>

#include "formula/DocumentState.h"
#include "platform/Dialogs.h"
#include "platform/Sjis.h"
#include "render/RedrawPipeline.h"

SpaceViewSettingsControls SpaceViewSettingsModel::Controls(int screenHeight) {
  SpaceViewSettingsControls c;
  c.drawingSize = doc.GraphWidth;
  c.drawingSizeMax = std::clamp(screenHeight, kMinDrawingSize, kMaxDrawingSize);
  c.divisions = doc.SurfaceGridN / 10 * 10;
  c.drawMode = doc.SurfaceDrawMode;
  c.inverted = !doc.SpaceColorsNotInverted;
  c.frontBack = settings.DistinguishFrontBack != 0;
  c.perpendiculars = doc.PointPerpendicularsShown != 0;
  c.rangeBox = doc.RangeBoxShown != 0;
  c.axesShown = doc.Axes3DShown != 0;
  c.axisFontSize = doc.GraphFont.size;
  c.pointFontSize = doc.PointLabelFont.size;
  c.thickAxes = doc.AxisWidth != 1;
  c.pointFontCustom = doc.PointLabelFontCustom != 0;
  c.grey = modes.OutputColorMode == 1;
  return c;
}

void SpaceViewSettingsModel::SetDrawMode(int mode) {
  doc.SurfaceDrawMode = static_cast<uint8_t>(std::clamp(mode, 0, 2));
  RedrawGraph();
}

void SpaceViewSettingsModel::SetDivisions(int n) {
  doc.SurfaceGridN = static_cast<uint8_t>(std::clamp(n, kMinDivisions, kMaxDivisions));
  RedrawGraph();
}

void SpaceViewSettingsModel::SetSwitch(SpaceViewSwitch which, bool on) {
  const uint8_t b = on ? 1 : 0;
  switch (which) {
    case SpaceViewSwitch::RangeBox: doc.RangeBoxShown = b; break;
    case SpaceViewSwitch::Inverted: doc.SpaceColorsNotInverted = !on; break;
    case SpaceViewSwitch::FrontBack: settings.DistinguishFrontBack = b; break;
    case SpaceViewSwitch::Perpendiculars: doc.PointPerpendicularsShown = b; break;
    case SpaceViewSwitch::Axes: doc.Axes3DShown = b; break;
    case SpaceViewSwitch::ThickAxes: doc.AxisWidth = on ? 2 : 1; break;
    case SpaceViewSwitch::Grey: modes.OutputColorMode = b; break;
  }
  RedrawAll();
}

void SpaceViewSettingsModel::SetPointFontSize(int size) {
  doc.PointLabelFont.size = std::clamp(size, kMinFontSize, kMaxFontSize);
  RedrawAll();
}

void SpaceViewSettingsModel::SetAxisFontSize(int size) {
  doc.GraphFont.size = std::clamp(size, kMinFontSize, kMaxFontSize);
  RedrawAll();
}

void SpaceViewSettingsModel::UseStandardPointFont() {
  doc.PointLabelFontCustom = 0;
  RedrawAll();
}

bool SpaceViewSettingsModel::ChoosePointFont(platform::Dialogs& dialogs) {
  Tlfont& f = doc.PointLabelFont;
  const std::optional<platform::FontChoice> chosen =
      dialogs.chooseFont({sjis::ToUtf8(f.name), f.size, f.color, f.style});
  if (!chosen) return false;
  f.name = sjis::FromUtf8(chosen->face);
  f.size = chosen->size;
  f.color = chosen->color;
  f.style = chosen->style;
  doc.PointLabelFontCustom = 1;
  RedrawAll();
  return true;
}
