#include "render/RelationEntries.h"

#include "formula/DocumentState.h"
#include "formula/Parser.h"
#include "render/DrawToolkit.h"
#include "render/RedrawHooks.h"
#include "render/RegionBoundaries.h"

void DrawInequalityEntry(gfx::Canvas& canvas, const Tfuncprop& entry) {
  if (doc.CoordinateSystem > 1) return;
  Tfrec* tree = ParseExpression(entry.texts[0], 3);
  if (eng.ParseOK && tree) {
    const int width = ScaleToOutput(entry.penWidth);
    canvas.pen.width = width;
    canvas.pen.color = OutputColor(static_cast<gfx::Color>(entry.color));
    if (!entry.noBoundary) DrawRegionBoundaries(canvas, tree, entry.dashed, width);
    ShowDrawingProgress();
  }
  DisposeTree(tree);
}
