// links: render
// Draws the axes of every plane coordinate system and an explicit curve of arbitrary text
// over an arbitrary view on a recording canvas. The first byte picks the coordinate
// system, the axis units, a derivative, a dashed line and the print scale; the next
// sixteen bytes are the view's bounds as four singles (any bits: NaN, infinities,
// reversed or empty ranges); the rest is the formula. Every drawing must end, and every
// pixel it hands the canvas must lie near the clamp of the mapping or inside it (text,
// heads and markers stand a little beyond the point they belong to).
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "FuzzSupport.h"
#include "formula/DocumentState.h"
#include "platform/RecordingCanvas.h"
#include "render/Axes.h"
#include "render/DrawToolkit.h"
#include "render/ExplicitCurves.h"

namespace {

constexpr int kSize = 200;
constexpr int kReach = 32000 + 1000;

bool WithinReach(const gfx::Point& p) {
  return p.x >= -kReach && p.x <= kReach && p.y >= -kReach && p.y <= kReach;
}

void CheckPixels(const gfx::RecordingCanvas& canvas) {
  for (const gfx::RecordedOp& op : canvas.Ops()) {
    for (const gfx::Point& p : op.points) Check(WithinReach(p));
    for (const gfx::Figure& f : op.figures)
      for (const gfx::Point& p : f.points) Check(WithinReach(p));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 17) return 0;
  ResetMiscSettings();
  ResetAllSettings(0);
  const uint8_t options = data[0];
  float bounds[4];
  std::memcpy(bounds, data + 1, sizeof bounds);
  doc.ViewRange = TViewRange{bounds[0], bounds[1], bounds[2], bounds[3]};
  doc.GraphWidth = doc.GraphHeight = kSize;
  doc.CoordinateSystem = options % 5;
  doc.XAxisUnit = (options >> 3) & 3;
  doc.YAxisUnit = (options >> 3) & 3 ? 4 : 1;
  doc.GridSettings.kind = 2;
  settings.OutputScale = (options & 0x80) ? 2.5f : 1.0f;

  Tfuncprop entry;
  InitFuncprop(entry, kKindExplicit);
  entry.texts[0].assign(reinterpret_cast<const char*>(data + 17), size - 17);
  entry.dashed = (options >> 5) & 1;
  doc.FigureTable[1] = entry;
  doc.EntryCount = 1;

  gfx::RecordingCanvas canvas(kSize, kSize);
  DrawAxes(canvas, 1);
  DrawAxes(canvas, 2);
  Tfuncprop drawn = entry;
  if (options & 0x40) {
    InitFuncprop(drawn, kKindDerivative);
    drawn.link = 1;
  }
  DrawExplicitFunction(canvas, drawn, (options & 0x40) ? 1 : 0, doc.ViewRange.XMin, doc.ViewRange.XMax);
  CheckPixels(canvas);
  return 0;
}
