#include "render/FigureGeometry.h"

#include <cmath>

#include "formula/ConstructedPoints.h"
#include "formula/ConstructionOperands.h"
#include "formula/DocumentState.h"
#include "render/DrawToolkitMapping.h"

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
  bool first = true;
  for (const int n : PointNumbersOf(letters)) {
    TSpacePoint record;
    if (EntryOfPoint(n) == 0) return false;
    FetchPoint(n, record);  // brings element 0 up to date
    const std::vector<TSpacePoint>& array = doc.PointSequences[n];
    for (const TSpacePoint& p : array) {
      ViewPoint v{p.x, p.y};
      const bool kept = p.valid && ToLogCoordinates(v.x, v.y);
      if (first && firstNeeded && !kept) return false;
      first = false;
      if (kept) points.push_back(v);
    }
  }
  return true;
}

gfx::Point ScreenPointOf(const ViewPoint& p) { return {WorldToScreenX(p.x), WorldToScreenY(p.y)}; }

Extended PixelVector::Length() const { return std::hypot(x, y); }

PixelVector PixelVectorOf(const ViewPoint& from, const ViewPoint& to) {
  const TViewRange& v = doc.ViewRange;
  return {(to.x - from.x) * doc.GraphWidth / (v.XMax - v.XMin), (from.y - to.y) * doc.GraphHeight / (v.YMax - v.YMin)};
}
