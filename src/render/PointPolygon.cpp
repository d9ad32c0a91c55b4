#include "render/PointPolygon.h"

#include <algorithm>
#include <vector>

#include "formula/ConstructionOperands.h"
#include "formula/DocumentState.h"
#include "platform/RasterCanvas.h"
#include "platform/Runtime.h"
#include "render/DrawToolkit.h"
#include "render/HatchLines.h"
#include "render/PathUtils.h"
#include "render/ViewClipping.h"

namespace {

constexpr std::size_t kMaxPolygonLetters = 100;

// The vertices in view coordinates; false when one is missing.
bool PolygonVertices(const std::string& letters, std::vector<ViewPoint>& vertices) {
  for (const int n : PointNumbersOf(letters)) {
    TSpacePoint p;
    if (!FetchPoint(n, p)) return false;
    ViewPoint v{p.x, p.y};
    if (!ToLogCoordinates(v.x, v.y)) return false;
    vertices.push_back(v);
  }
  return !vertices.empty();
}

void DrawOutline(gfx::Canvas& target, const PixelPolygon& polygon, std::span<const double> pattern,
                 std::uint8_t dashed) {
  for (const std::vector<gfx::Point>& run : polygon.outline) {
    if (dashed)
      DrawPatternedPolyline(run, static_cast<int>(run.size()) - 1, target, 1, pattern, target.pen.width,
                            target.pen.color);
    else
      target.Polyline(run);
  }
}

bool MaskPixelInside(const gfx::RasterCanvas& mask, gfx::Point p) { return mask.Pixel(p.x, p.y) == gfx::kBlack; }

// Eight halvings between a point inside the mask and one outside; the last inside point.
gfx::Point BisectToMaskEdge(const gfx::RasterCanvas& mask, gfx::Point inside, gfx::Point outside) {
  for (int k = 0; k < 8; ++k) {
    const gfx::Point mid{static_cast<int>(rtl::Round((inside.x + outside.x) / 2.0L)),
                         static_cast<int>(rtl::Round((inside.y + outside.y) / 2.0L))};
    if (MaskPixelInside(mask, mid))
      inside = mid;
    else
      outside = mid;
  }
  return inside;
}

// One diagonal per cell, "/" for direction -1 and "\" for +1, cut to the mask.
void HatchThroughMask(gfx::Canvas& canvas, const gfx::RasterCanvas& mask, int direction, int cell) {
  OutputCanvas(canvas, kCopyPen);
  const int columns = (doc.GraphWidth + cell - 1) / cell, rows = (doc.GraphHeight + cell - 1) / cell;
  for (int d = 0; d <= rows; ++d) {
    for (int g = 0; g <= columns; ++g) {
      gfx::Point a{cell * g, cell * d}, b{cell * (g + direction), cell * (d + 1)};
      if (MaskPixelInside(mask, a)) {
        if (!MaskPixelInside(mask, b)) b = BisectToMaskEdge(mask, a, b);
        DrawHatchSegment(canvas, a.x, a.y, b.x, b.y);
      } else if (MaskPixelInside(mask, b)) {
        a = BisectToMaskEdge(mask, b, a);
        DrawHatchSegment(canvas, b.x, b.y, a.x, a.y);
      } else {
        const gfx::Point m{(a.x + b.x) / 2, (a.y + b.y) / 2};
        if (!MaskPixelInside(mask, m)) continue;
        const gfx::Point toA = BisectToMaskEdge(mask, m, a), toB = BisectToMaskEdge(mask, m, b);
        DrawHatchSegment(canvas, m.x, m.y, toA.x, toA.y);
        DrawHatchSegment(canvas, m.x, m.y, toB.x, toB.y);
      }
    }
  }
}

void PrintPolygon(gfx::Canvas& canvas, const PixelPolygon& polygon, std::uint8_t code,
                  std::span<const double> pattern, std::uint8_t dashed, gfx::Color fillColour) {
  gfx::Canvas& metafile = OutputCanvas(canvas, kCopyPen);
  gfx::RasterCanvas mask(std::max(doc.GraphWidth, 1), std::max(doc.GraphHeight, 1));
  mask.pen = gfx::Pen{gfx::kBlack};
  mask.brush = gfx::Brush{gfx::kBlack, gfx::BrushStyle::Solid};
  if (!polygon.fill.empty()) mask.Polygon(polygon.fill);
  DrawOutline(metafile, polygon, pattern, dashed);
  const int cell = std::max(doc.GraphHeight / HatchLineCount(), 1);
  const gfx::Pen saved = canvas.pen;
  canvas.pen.color = fillColour;
  ApplyOutputModeToCanvas(canvas);
  canvas.pen.width = ScaleToOutput(doc.LineWidthSetting);
  if (code == 1 || code == 3) HatchThroughMask(canvas, mask, -1, cell);
  if (code == 2 || code == 3) HatchThroughMask(canvas, mask, 1, cell);
  canvas.pen = saved;
}

void ShowPolygon(gfx::Canvas& canvas, const PixelPolygon& polygon, std::uint8_t code,
                 std::span<const double> pattern, std::uint8_t dashed, gfx::Color fillColour) {
  const gfx::Pen savedPen = canvas.pen;
  const gfx::Brush savedBrush = canvas.brush;
  canvas.brush = gfx::Brush{fillColour, HatchBrushStyle(code)};
  if (dashed && modes.SnapMode == 1) {
    // While a point is dragged the outline is a quick grey dotted line.
    canvas.pen = gfx::Pen{0x808080, 1, gfx::PenStyle::Dot};
    dashed = 0;
  }
  if (!dashed) {
    DrawPixelPolygon(canvas, polygon);
  } else {
    if (!polygon.fill.empty()) {
      canvas.BeginPath();
      canvas.Polyline(polygon.fill);
      canvas.EndPath();
      canvas.FillPath();
    }
    DrawOutline(canvas, polygon, pattern, dashed);
  }
  canvas.pen = savedPen;
  canvas.brush = savedBrush;
}

}  // namespace

void FillPointPolygon(gfx::Canvas& canvas, const std::string& letters, std::uint8_t code,
                      std::span<const double> pattern, std::uint8_t dashed, gfx::Color fillColour) {
  if (letters.size() > kMaxPolygonLetters) return;
  std::vector<ViewPoint> vertices;
  if (!PolygonVertices(letters, vertices)) return;
  const PixelPolygon polygon = PolygonToPixels(vertices);
  if (DrawingToMetafile())
    PrintPolygon(canvas, polygon, code, pattern, dashed, fillColour);
  else
    ShowPolygon(canvas, polygon, code, pattern, dashed, fillColour);
}
