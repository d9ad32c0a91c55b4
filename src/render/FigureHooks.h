#pragma once
// What the figure and point drawers call in drawers built beside them: the relation
// drawer (a circle larger than the view is drawn as the curve of its equation) and the
// label typesetter (point names may carry markup). The relation drawer is filled in with
// the hooks; the typesetter fills its slots where it is defined, and until then a name is
// written as plain text, which is what the typesetter makes of a name without markup.
#include <cstdint>
#include <string>

#include "formula/Tfrec.h"
#include "platform/Canvas.h"

struct TFigureHooks {
  // Draws the curve F = 0 of the tree in the canvas pen; the caller keeps and frees the
  // tree, which may be rewritten.
  void (*plotImplicitList)(Tfrec*& tree, gfx::Canvas& canvas, std::uint8_t style, int width,
                           std::uint8_t dashed) = nullptr;
  // The width of the laid-out markup text in the canvas font; nothing drawn.
  int (*measureMathLabel)(gfx::Canvas& canvas, const std::string& text, int& fontHeight, std::uint8_t option1,
                          std::uint8_t option2) = nullptr;
  // The markup text laid out and drawn with its top-left corner at (x, y).
  void (*drawMathLabelBoxed)(gfx::Canvas& canvas, int& x, int& y, std::uint8_t option1, std::uint8_t option2,
                             const std::string& text, int& fontHeight) = nullptr;
};

extern TFigureHooks FigureHooks;
