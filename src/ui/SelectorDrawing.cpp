#include "ui/SelectorDrawing.h"

#include <algorithm>

#include "platform/Sjis.h"
#include "render/DrawToolkitOutput.h"

namespace selector {

void DrawButton(gfx::Canvas& canvas, const gfx::Rect& r, bool pressed) {
  DrawBevelFrame(canvas, pressed ? 2 : 1, r, kButtonFace);
}

namespace {
void SetCaptionFont(gfx::Canvas& canvas, int points, gfx::Color colour, bool opaque = false) {
  canvas.font.name = sj("ＭＳ Ｐゴシック");
  canvas.font.SetSize(points);
  canvas.font.style = 0;
  canvas.font.color = colour;
  canvas.brush = opaque ? gfx::Brush{gfx::kBtnFace, gfx::BrushStyle::Solid} : gfx::Brush{gfx::kWhite, gfx::BrushStyle::Clear};
}
}  // namespace

void DrawCaption(gfx::Canvas& canvas, int x, int y, std::string_view utf8, int points, gfx::Color colour,
                 bool opaque) {
  SetCaptionFont(canvas, points, colour, opaque);
  canvas.TextOut(x, y, sj(utf8));
}

void DrawCentredCaption(gfx::Canvas& canvas, const gfx::Rect& r, std::string_view utf8, int points,
                        gfx::Color colour) {
  SetCaptionFont(canvas, points, colour);
  const std::string& text = sj(utf8);
  const int x = r.left + std::max(0, (r.Width() - canvas.TextWidth(text)) / 2);
  const int y = r.top + std::max(0, (r.Height() - canvas.TextHeight(text)) / 2);
  canvas.TextOut(x, y, text);
}

}  // namespace selector

int HitTestRects(std::span<const gfx::Rect> rects, int last, int x, int y) {
  const int n = std::min(last + 1, static_cast<int>(rects.size()));
  for (int i = 0; i < n; ++i) {
    const gfx::Rect& r = rects[static_cast<size_t>(i)];
    if (r.left < x && x < r.right && r.top < y && y < r.bottom) return i + 1;
  }
  return 0;
}
