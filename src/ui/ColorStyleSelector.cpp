#include "ui/ColorStyleSelector.h"

#include "formula/DocumentState.h"
#include "render/DrawToolkitOutput.h"
#include "ui/SelectorDrawing.h"

namespace {

constexpr int kWidth = 215, kHeight = 60;

int StyleButtons(int mode) { return mode == 1 ? 2 : 3; }

void DrawStylePicture(gfx::Canvas& c, int style, int mode, gfx::Color colour, const gfx::Rect& r) {
  const gfx::Rect in{r.left + 4, r.top + 4, r.right - 4, r.bottom - 4};
  c.pen = gfx::Pen{};
  c.pen.color = colour;
  if (mode == 0 || style == 1) {
    // A hatch of the style ("/", "\", both); the interval's band is cross-hatched.
    c.brush.color = colour;
    c.brush.style = mode == 1 || style == 3 ? gfx::BrushStyle::DiagCross
                    : style == 1            ? gfx::BrushStyle::BDiagonal
                                            : gfx::BrushStyle::FDiagonal;
    c.pen.style = gfx::PenStyle::Clear;
    c.Rectangle(in.left, in.top, in.right + 1, in.bottom + 1);
    c.pen.style = gfx::PenStyle::Solid;
  }
  if (mode == 1) {  // the bounds of the interval
    c.MoveTo(in.left, in.top);
    c.LineTo(in.left, in.bottom);
    c.MoveTo(in.right - 1, in.top);
    c.LineTo(in.right - 1, in.bottom);
  }
  c.brush.style = gfx::BrushStyle::Solid;
}

// The whole picture from the state; `pressed` is the button held down (-1 none).
void Paint(ColorStyleSelector& sel, gfx::Color colour, int mode, int pressed) {
  gfx::Canvas& c = sel.image;
  c.brush = gfx::Brush{gfx::kBtnFace, gfx::BrushStyle::Solid};
  c.FillRect({0, 0, c.Width(), c.Height()});
  selector::DrawCaption(c, 5, 5, mode == 1 ? "区間色" : "領域色", 9, gfx::kBlack);
  selector::DrawCaption(c, 120, 5, mode == 1 ? "表示タイプ" : "領域スタイル", 9, gfx::kBlack);
  DrawBevelFrame(c, pressed == 0 ? 2 : 1, sel.state.rects[0], colour);
  for (int i = 1; i <= StyleButtons(mode); ++i) {
    const bool down = pressed >= 1 ? pressed == i : sel.state.down[i];
    selector::DrawButton(c, sel.state.rects[i], down);
    DrawStylePicture(c, i, mode, colour, sel.state.rects[i]);
  }
}

int Hit(const ColorStyleSelector& sel, int x, int y, int mode) {
  return HitTestRects(sel.state.rects, StyleButtons(mode), x, y) - 1;
}

}  // namespace

ColorStyleSelector::ColorStyleSelector() : image(kWidth, kHeight, gfx::kBtnFace) { InitColorStyleButtonRects(*this); }

void InitColorStyleButtonRects(ColorStyleSelector& image) {
  image.state.rects[0] = {10, 25, 35, 50};
  for (int i = 1; i <= 3; ++i) image.state.rects[i] = {60 + 40 * i, 25, 90 + 40 * i, 55};
}

void DrawColorStyleSelector(ColorStyleSelector& image, int style, gfx::Color colour, int mode) {
  for (int i = 1; i <= 3; ++i) image.state.down[i] = i == style;
  Paint(image, colour, mode, -1);
}

void PressColorStyleButton(ColorStyleSelector& image, int x, int y, gfx::Color colour, int mode) {
  const int hit = Hit(image, x, y, mode);
  if (hit >= 0) Paint(image, colour, mode, hit);
}

int SelectColorStyleButton(ColorStyleSelector& image, int x, int y, gfx::Color colour, int mode) {
  const int hit = Hit(image, x, y, mode);
  if (hit >= 1) {
    for (int i = 1; i <= 3; ++i) image.state.down[i] = i == hit;
  }
  if (hit >= 0) ui.EntryModified = 1;
  Paint(image, colour, mode, -1);  // a press released anywhere shows the state again
  return hit;
}
