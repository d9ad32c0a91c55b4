#include "render/FigureGeometry.h"

#include <cmath>
#include <cstdlib>

#include "formula/ConstructedPoints.h"
#include "formula/ConstructionOperands.h"
#include "formula/DocumentState.h"
#include "platform/Runtime.h"
#include "render/DrawToolkitMapping.h"
#include "render/DrawToolkitOutput.h"

bool FigurePoint(int n, ViewPoint& p) {
  TSpacePoint record;
  if (!FetchPoint(n, record)) return false;
  p = {record.x, record.y};
  return ToLogCoordinates(p.x, p.y);
}

int FigureEndPointNumber(const Tfuncprop& entry, int slot) {
  const int n = slot == 1 ? entry.letter : entry.letter2;
  if (n >= 1 && n <= kMaxPoints) return n;
  const std::vector<int> numbers = PointNumbersOf(entry.texts[slot - 1]);
  return numbers.empty() ? 0 : numbers.front();
}

bool FigurePointList(const std::string& letters, bool firstNeeded, std::vector<ViewPoint>& points) {
  points.clear();
  std::vector<TSpacePoint> records;
  if (!FigurePointRecords(letters, records)) return false;
  for (size_t i = 0; i < records.size(); ++i) {
    ViewPoint v{records[i].x, records[i].y};
    const bool kept = records[i].valid && ToLogCoordinates(v.x, v.y);
    if (i == 0 && firstNeeded && !kept) return false;
    if (kept) points.push_back(v);
  }
  return true;
}

bool FigurePointRecords(const std::string& letters, std::vector<TSpacePoint>& records) {
  records.clear();
  for (const int n : PointNumbersOf(letters)) {
    TSpacePoint record;
    if (EntryOfPoint(n) == 0) return false;
    FetchPoint(n, record);  // brings element 0 up to date
    const std::vector<TSpacePoint>& array = doc.PointSequences[n];
    records.insert(records.end(), array.begin(), array.end());
  }
  return true;
}

int FigureArrowHeadSize() {
  gfx::Font font;
  ApplyLfont(doc.PointLabelFont, font, 0, settings.PrintScale);
  return std::abs(static_cast<int>(rtl::Round(3 * font.height / 4.0L)));
}

gfx::Point ScreenPointOf(const ViewPoint& p) { return {WorldToScreenX(p.x), WorldToScreenY(p.y)}; }

Extended PixelVector::Length() const { return std::hypot(x, y); }

PixelVector PixelVectorOf(const ViewPoint& from, const ViewPoint& to) {
  const TViewRange& v = doc.ViewRange;
  return {(to.x - from.x) * doc.GraphWidth / (v.XMax - v.XMin), (from.y - to.y) * doc.GraphHeight / (v.YMax - v.YMin)};
}
