#pragma once
// What the figure drawers call in the relation drawer built beside them: a circle larger
// than the view is drawn as the curve of its equation. The relation drawer fills the slot
// where it is defined; until then a large circle is drawn with the ellipse drawer.
#include <cstdint>

#include "formula/Tfrec.h"
#include "platform/Canvas.h"

struct TFigureHooks {
  // Draws the curve F = 0 of the tree in the canvas pen; the caller keeps and frees the
  // tree, which may be rewritten.
  void (*plotImplicitList)(Tfrec*& tree, gfx::Canvas& canvas, std::uint8_t style, int width,
                           std::uint8_t dashed) = nullptr;
};

extern TFigureHooks FigureHooks;
