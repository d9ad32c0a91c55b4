#include "render/RelationEntries.h"

#include "formula/DocumentState.h"
#include "formula/Parser.h"
#include "render/DrawToolkit.h"
#include "render/Regions.h"

void DrawInequalityEntry(gfx::Canvas& canvas, const Tfuncprop& entry) {
  if (doc.CoordinateSystem > 1) return;
  const TreePtr tree = ParseExpression(entry.texts[0], 3);
  if (eng.ParseOK && tree)
    DrawRegion(tree.get(), canvas, OutputColor(static_cast<gfx::Color>(entry.color)), entry.dashed,
               entry.noBoundary == 0, entry.brushStyle, ScaleToOutput(entry.penWidth),
               static_cast<gfx::Color>(entry.brushColor));
}
