#include "render/MathLabel.h"

#include <cstdlib>

#include "platform/Runtime.h"
#include "render/MarkupDraw.h"
#include "render/MarkupLayout.h"

namespace {

// Parsed and laid out from (x, y) at the canvas's font height; the font is given back.
MarkupTree Typeset(gfx::Canvas& canvas, int& x, int y, std::uint8_t option1, std::uint8_t option2,
                   std::string_view text, int& fontHeight) {
  const gfx::Font font = canvas.font;
  fontHeight = font.height;
  MarkupTree tree = ParseMarkup(text);
  LayoutMarkup(canvas, x, y, option1, option2, tree.get(), fontHeight);
  canvas.font = font;
  return tree;
}

}  // namespace

MarkupTree LayoutMathLabel(gfx::Canvas& canvas, int& x, int y, std::uint8_t option1, std::uint8_t option2,
                           std::string_view text, int& fontHeight, int top) {
  MarkupTree tree = Typeset(canvas, x, y, option1, option2, text, fontHeight);
  if (tree) ShiftDown(tree.get(), top - SmallestTop(tree.get()));
  return tree;
}

void DrawMathLabelBoxed(gfx::Canvas& canvas, int& x, int y, std::uint8_t option1, std::uint8_t option2,
                        std::string_view text, int& fontHeight) {
  const int left = x;
  MarkupTree tree = Typeset(canvas, x, y, option1, option2, text, fontHeight);
  if (!tree) return;
  const int top = SmallestTop(tree.get());
  if (top <= 0) ShiftDown(tree.get(), 1 - top);
  if (canvas.brush.style == gfx::BrushStyle::Solid) {
    const gfx::Color penColor = canvas.pen.color;
    canvas.pen.color = gfx::kWhite;
    canvas.brush.color = gfx::kWhite;
    const int h = std::abs(fontHeight);
    canvas.Rectangle(left, y, LargestRight(tree.get()), y + h + static_cast<int>(rtl::Round(h / 8.0L)));
    canvas.pen.color = penColor;
    canvas.brush.style = gfx::BrushStyle::Clear;
  }
  DrawLabelTree(canvas, tree.get(), option1, option2);
}

int MeasureMathLabel(gfx::Canvas& canvas, std::string_view text, int& fontHeight, std::uint8_t option1,
                     std::uint8_t option2) {
  int x = 0;
  Typeset(canvas, x, 0, option1, option2, text, fontHeight);
  return x;
}
