#include "render/PointEntries.h"

#include <algorithm>
#include <vector>

#include "formula/ConstructionOperands.h"
#include "formula/DocumentState.h"
#include "platform/Runtime.h"
#include "render/DrawToolkit.h"
#include "render/MathLabel.h"

namespace {

bool IsPointNumber(int n) { return n >= 1 && n <= kMaxPoints; }

// The names keep the font chosen for them as it is; otherwise each character takes the
// face of its kind.
std::uint8_t KeepFont() { return doc.PointLabelFontCustom ? 1 : 0; }

int NameWidth(gfx::Canvas& canvas, const std::string& name) {
  int height = canvas.font.height;
  return MeasureMathLabel(canvas, name, height, KeepFont(), 0);
}

void WriteName(gfx::Canvas& canvas, gfx::Point at, const std::string& name) {
  int height = canvas.font.height;
  DrawMathLabelBoxed(canvas, at.x, at.y, KeepFont(), 0, name, height);
}

}  // namespace

void DrawPointEntry(gfx::Canvas& canvas, const Tfuncprop& entry) {
  const int n = entry.letter;
  if (EntryOfPoint(n) == 0) return;
  TSpacePoint first;
  FetchPoint(n, first);  // brings element 0 up to date
  canvas.pen.width = 1;
  const std::vector<TSpacePoint>& points = doc.PointSequences[n];
  for (const TSpacePoint& p : points) {
    if (!p.valid) {
      doc.PreviousPointPositions[n] = p;
      continue;
    }
    Extended x = p.x, y = p.y;
    if (ToLogCoordinates(x, y))
      DrawPointMarker(canvas, entry.penWidth + 2, entry.option64, static_cast<gfx::Color>(entry.color), x, y);
  }
}

void DrawPointListLabels(gfx::Canvas& canvas) {
  if (!modes.LabelsShown) return;
  const float scale = settings.Printing ? settings.PrintScale : settings.OutputScale;
  for (int e = 1; e <= doc.EntryCount; ++e) {
    const Tfuncprop& entry = doc.FigureTable[e];
    if (entry.kind != kKindPoint || !entry.shown || entry.labelPos == 3 || !IsPointNumber(entry.letter)) continue;
    TSpacePoint first;
    FetchPoint(entry.letter, first);
    const std::vector<TSpacePoint>& points = doc.PointSequences[entry.letter];
    const std::string base =
        entry.texts[2].empty() ? std::string(1, PointNameOrder[entry.letter - 1]) : entry.texts[2];
    for (std::size_t k = 0; k < points.size(); ++k) {
      if (!points[k].valid) continue;
      Extended x = 0, y = 0;
      if (!ProjectRecordPoint(points[k], x, y)) continue;
      const std::string name = points.size() > 1 ? base + rtl::IntToStr(static_cast<int64_t>(k) + 1) : base;
      DrawPointName(canvas, entry.labelPos, static_cast<gfx::Color>(entry.color), scale, name, x, y);
    }
  }
}

gfx::Point PointNameCorner(std::uint8_t labelPos, int px, int py, int w, int d) {
  switch (labelPos) {
    case 1: return {px - w - d, py - 4 * d};
    case 2: return {px - w - d, py + d};
    case 4: return {px + d, py - 4 * d};
    case 5: return {px + d, py + d};
    case 6: return {px - w - d, py - 3 * d / 2};
    case 7: return {px - w / 2, py - 4 * d};
    case 8: return {px + 3 * d / 2, py - 3 * d / 2};
    case 9: return {px - w / 2, py + d};
    default: return {px, py};
  }
}

void DrawPointName(gfx::Canvas& canvas, std::uint8_t labelPos, gfx::Color colour, float scale,
                   const std::string& name, Extended x, Extended y) {
  if (labelPos < 1 || labelPos > 9 || labelPos == 3 || name.empty()) return;
  if (!ToLogCoordinates(x, y) || !PointInViewMargin(0, x, y)) return;
  ApplyLfont(doc.PointLabelFont, canvas.font, 1, scale);
  canvas.font.color = OutputColor(colour);
  canvas.brush.style = gfx::BrushStyle::Clear;
  const int d = canvas.TextHeight("P") / 3;
  const int w = NameWidth(canvas, name);
  WriteName(canvas, PointNameCorner(labelPos, WorldToScreenX(x), WorldToScreenY(y), w, d), name);
}
