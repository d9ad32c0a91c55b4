#include "render/HatchLines.h"

#include <algorithm>

#include "formula/DocumentState.h"
#include "platform/Runtime.h"
#include "render/DrawToolkitOutput.h"

int HatchLineCount() {
  const int k = doc.RegionDensity[0] == 0 ? 25 : doc.RegionDensity[0] == 1 ? 50 : 100;
  const int64_t n = rtl::Round(static_cast<Extended>(k) * settings.PrintScale);
  return static_cast<int>(std::clamp<int64_t>(n, 1, 100000));
}

void DrawHatchSegment(gfx::Canvas& canvas, int x1, int y1, int x2, int y2) {
  const gfx::Point pts[] = {{x1, y1}, {x2, y2}};
  gfx::Canvas& target = DrawingToMetafile() ? *settings.MetafileCanvas : canvas;
  target.Polyline(pts);
}
