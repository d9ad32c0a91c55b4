#include "render/MarkupDraw.h"

#include <algorithm>
#include <cstdlib>

#include "platform/Runtime.h"
#include "render/DrawToolkitLines.h"
#include "render/DrawToolkitOutput.h"
#include "render/DrawToolkitText.h"
#include "render/MarkupLayout.h"
#include "render/MarkupParse.h"

namespace {

int RoundToInt(Extended v) { return static_cast<int>(rtl::Round(v)); }

// The width of the part's lines: a 24th of its height, never less than a pixel (a
// smaller part would get no line, or one drawn the wrong way round).
int LineWidth(const Tmojikiroku& n) { return std::max(1, RoundToInt(std::abs(n.height) / 24.0L)); }

void DrawArrow(gfx::Canvas& canvas, const Tmojikiroku& n) {
  const int t = LineWidth(n), x = n.x, y = n.y, w = n.width;
  canvas.pen.width = t;
  const gfx::Point head[] = {{x + w, y + t}, {x + w - 3 * t, y}, {x + w - 3 * t, y + 2 * t}};
  const gfx::Brush brush = canvas.brush;
  canvas.brush = gfx::Brush{canvas.pen.color, gfx::BrushStyle::Solid};
  OutputCanvas(canvas, kCopyPen | kCopyBrush).Polygon(head);
  canvas.brush = brush;
  DrawPixelLine(x + w - t, y + t, x + t, y + t, canvas);
}

void DrawRadical(gfx::Canvas& canvas, const Tmojikiroku& n) {
  canvas.pen.width = LineWidth(n);
  const Extended s = std::abs(n.height) / 24.0L;
  const int x = n.x, y = n.y;
  const int e = y + RoundToInt(15 * s), f = RoundToInt(3 * s);
  const int g = x + f + RoundToInt(4 * s), k = e + RoundToInt(10 * s) - f;
  const gfx::Point strokes[] = {{x, e}, {x + f, e - f}, {g, k}, {g + RoundToInt(7 * s), y + f}, {x + n.width, y + f}};
  for (size_t i = 1; i < std::size(strokes); ++i)
    DrawPixelLine(strokes[i - 1].x, strokes[i - 1].y, strokes[i].x, strokes[i].y, canvas);
}

void DrawFractionBar(gfx::Canvas& canvas, const Tmojikiroku& n) {
  const int t = LineWidth(n);
  canvas.pen.width = t;
  // Where the layout put the denominator's top.
  const int bar = n.y + n.height - LargestHeight(n.child2);
  DrawPixelLine(n.x + n.width - 2 * t, bar, n.x - t, bar, canvas);
}

void DrawLine(gfx::Canvas& canvas, const Tmojikiroku& n, int y) {
  const int t = LineWidth(n);
  canvas.pen.width = t;
  DrawPixelLine(n.x + n.width - t, y, n.x + t, y, canvas);
}

void DrawChain(gfx::Canvas& canvas, const Tmojikiroku* node, std::uint8_t mode, std::uint8_t style) {
  for (; node; node = node->next) {
    const Tmojikiroku& n = *node;
    switch (n.kind) {
      case kMarkupSuperscript: DrawChain(canvas, n.child1, mode, style); break;
      case kMarkupSubscript: DrawChain(canvas, n.child2, mode, style); break;
      case kMarkupVector:
        DrawArrow(canvas, n);
        DrawChain(canvas, n.child2, mode, style);
        break;
      case kMarkupRoot:
        DrawChain(canvas, n.child2, mode, style);
        DrawRadical(canvas, n);
        break;
      case kMarkupFraction:
        DrawChain(canvas, n.child1, mode, style);
        DrawChain(canvas, n.child2, mode, style);
        DrawFractionBar(canvas, n);
        break;
      case kMarkupOverline:
        DrawLine(canvas, n, n.y);
        DrawChain(canvas, n.child2, mode, style);
        break;
      case kMarkupUnderline:
        DrawLine(canvas, n, n.lower);
        DrawChain(canvas, n.child2, mode, style);
        break;
      default:
        canvas.font.height = n.height;
        DrawMixedText(n.x, n.y, n.text, mode, style, 0, canvas, n.kind == kMarkupValue);
        break;
    }
  }
}

}  // namespace

void DrawLabelTree(gfx::Canvas& canvas, const Tmojikiroku* tree, std::uint8_t mode, std::uint8_t style) {
  const gfx::Pen pen = canvas.pen;
  const gfx::Brush brush = canvas.brush;
  const gfx::Font font = canvas.font;
  canvas.brush.style = gfx::BrushStyle::Clear;
  DrawChain(canvas, tree, mode, style);
  canvas.pen = pen;
  canvas.brush = brush;
  canvas.font = font;
}
