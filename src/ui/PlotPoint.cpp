#include "ui/PlotPoint.h"

#include "formula/DocumentState.h"
#include "formula/FigureTable.h"
#include "formula/TableServices.h"
#include "ui/NavigatorList.h"
#include "ui/PaletteModel.h"

namespace {

// Snapped as a dragged point would be.
TWorldPoint SnappedPixel(int px, int py) {
  const uint8_t kept = modes.SnapMode;
  modes.SnapMode = 1;
  const TWorldPoint p = SnapToGrid(px, py);
  modes.SnapMode = kept;
  return p;
}

}  // namespace

bool PlotPointAt(int px, int py, const TSpaceReadout& readout, const TPlotPointSteps& steps) {
  if (!CanAddPoint()) return false;
  Tfuncprop record;
  InitFuncprop(record, kKindPoint);
  if (!InsertEntry(record)) return false;
  ++doc.EntryCount;
  const int entry = doc.EntryCount;  // points are the table's last group

  const int letter = steps.pickName();
  if (letter < 1 || letter > kMaxPoints) {
    DeleteFigure(entry);
    return false;
  }
  Tfuncprop& e = doc.FigureTable[entry];
  e.letter = static_cast<uint8_t>(letter);
  e.texts[2] = std::string(1, PointNameOrder[letter - 1]);
  doc.PointLetterEntry[letter] = static_cast<uint8_t>(entry);
  const bool space = doc.Dimension == 3;
  if (space) {
    e.texts[0] = readout.x;
    e.texts[1] = readout.y;
    e.texts[3] = readout.z;
  } else {
    const TWorldPoint p = SnappedPixel(px, py);
    e.texts[0] = FormatCoordinate(p.x, doc.PixelSizeX);
    e.texts[1] = FormatCoordinate(p.y, doc.PixelSizeY);
    e.texts[3] = "0";
  }
  // A correction of a plain point: no construction chosen from the navigator's menu.
  ui.PointConstructionChosen = 0;
  if (!steps.openEntryWindow(entry, space ? 4 : 1)) {
    if (entry <= doc.EntryCount && doc.FigureTable[entry].kind == kKindPoint) DeleteFigure(entry);
    return false;
  }
  return true;
}

TPickerPlace PickerNearPixel(int x, int y, int px, int width, int height, int screenRight, int screenBottom) {
  TPickerPlace p{x + 8, y};
  if (p.left + width > screenRight - 100) p.left -= width + 8;
  if (px > doc.GraphWidth - width) p.left -= px - (doc.GraphWidth - width);
  if (p.top + height > screenBottom - 50) p.top -= height + 10;
  return p;
}
