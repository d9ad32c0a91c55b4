#include "render/Regions.h"

#include "formula/DocumentState.h"
#include "platform/Runtime.h"
#include "render/DrawToolkit.h"
#include "render/HatchLines.h"
#include "render/RedrawHost.h"
#include "render/RegionBoundaries.h"
#include "render/RegionHatch.h"

namespace {

// Pixels between hatch lines.
int HatchSpacing() {
  if (settings.Printing) return doc.GraphHeight / HatchLineCount();
  return static_cast<int>(rtl::Round(12 * static_cast<Extended>(settings.OutputScale)));
}

}  // namespace

bool TreeHasRegion(const Tfrec* tree) {
  if (!tree) return false;
  switch (tree->code) {
    case node::And:
    case node::Product:
      return TreeHasRegion(tree->left) && TreeHasRegion(tree->right);
    case node::Or:
    case node::Sum:  // the evaluator makes a sum of relations hold where either does
      return TreeHasRegion(tree->left) || TreeHasRegion(tree->right);
    case node::Equal:
      return false;
    default:
      return tree->code < 0;
  }
}

void DrawRegion(Tfrec* tree, gfx::Canvas& canvas, gfx::Color boundaryColour, std::uint8_t dashed, bool drawBoundary,
                std::uint8_t hatchCode, int penWidth, gfx::Color hatchColour) {
  if (TreeHasRegion(tree)) {
    // The hatch pen goes to the picture the segments are drawn on.
    gfx::Canvas& target = OutputCanvas(canvas, kCopyPen);
    target.pen.color = hatchColour;
    ApplyOutputModeToMetafile();
    target.pen.width = ScaleToOutput(1);
    HatchRegion(tree, target, hatchCode, HatchSpacing());
  }
  canvas.pen.color = boundaryColour;
  canvas.pen.width = penWidth;
  if (drawBoundary) DrawRegionBoundaries(canvas, tree, dashed, penWidth);
  ShowDrawingProgress();
}
