#pragma once
// The colour-and-style chooser: a colour swatch and three style buttons (regions in the
// entry window: hatch "/", "\" or both) or two (the parameter panel's interval: shaded
// band or bound lines). Mode 0 is the region form, mode 1 the interval form.
#include <array>

#include "platform/Canvas.h"
#include "platform/RasterCanvas.h"

struct ClsetSelectorState {
  std::array<gfx::Rect, 4> rects{};  // 0 the swatch, 1..3 the style buttons
  std::array<bool, 4> down{};        // 1..3: exactly one style button is down
};

// The picture and its state; the window shows `image`.
struct ColorStyleSelector {
  ColorStyleSelector();
  gfx::RasterCanvas image;
  ClsetSelectorState state;
};

void InitColorStyleButtonRects(ColorStyleSelector& image);
void DrawColorStyleSelector(ColorStyleSelector& image, int style, gfx::Color colour, int mode);
// Mouse down: the swatch or style button under (x, y) is drawn pressed.
void PressColorStyleButton(ColorStyleSelector& image, int x, int y, gfx::Color colour, int mode);
// Mouse up: -1 no hit (the third style button in interval mode is none), 0 the swatch, else
// the style, which becomes the only one down. Any hit sets ui.EntryModified.
int SelectColorStyleButton(ColorStyleSelector& image, int x, int y, gfx::Color colour, int mode);
