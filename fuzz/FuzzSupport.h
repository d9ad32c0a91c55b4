#pragma once
// What the fuzz targets share: a broken invariant ends the run where it is found, and
// points of the small documents the formula targets evaluate against.
#include <cstdlib>

#include "formula/DocumentState.h"

inline void Check(bool condition) {
  if (!condition) std::abort();
}

// Point n at (x, y, z), marked as existing.
inline void PlacePoint(int n, Extended x, Extended y, Extended z) {
  doc.PointLetterUsage[n].exists = 1;
  TSpacePoint p;
  p.x = x, p.y = y, p.z = z;
  doc.PointSequences[n] = {p};
}
