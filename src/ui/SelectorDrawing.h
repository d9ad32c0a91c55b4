#pragma once
// What the owner-drawn choosers share: bevelled buttons, captions and the hit test
// against their fixed rectangles.
#include <span>
#include <string_view>

#include "platform/Canvas.h"

namespace selector {

// The face inside a button's bevel.
inline constexpr gfx::Color kButtonFace = 0xD7D7D7;
inline constexpr gfx::Color kGreyInk = 0x808080;

// Raised (up) or pressed, filled with the face colour.
void DrawButton(gfx::Canvas& canvas, const gfx::Rect& r, bool pressed);
// A UTF-8 caption in the Japanese proportional Gothic at the point size, its cell's top
// left at (x, y), on a transparent background or (opaque) on the button face colour of
// dialogs.
void DrawCaption(gfx::Canvas& canvas, int x, int y, std::string_view utf8, int points, gfx::Color colour,
                 bool opaque = false);
// The same, centred in the rectangle.
void DrawCentredCaption(gfx::Canvas& canvas, const gfx::Rect& r, std::string_view utf8, int points,
                        gfx::Color colour);

}  // namespace selector

// The 1-based index of the first of rects[0..last] that holds (x, y) strictly inside
// (left < x < right, top < y < bottom); 0 when none does.
int HitTestRects(std::span<const gfx::Rect> rects, int last, int x, int y);
